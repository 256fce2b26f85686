#include "XmlElements.h"

#include <cmath>

#include "TextScan.h"

namespace kadenzo {

std::string_view LocalName(const pugi::xml_node& node) {
    std::string_view name = node.name();
    std::size_t colon = name.rfind(':');
    return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

pugi::xml_node Child(const pugi::xml_node& parent, std::string_view localName) {
    for (pugi::xml_node child = parent.first_child(); child; child = child.next_sibling())
        if (child.type() == pugi::node_element && LocalName(child) == localName) return child;
    return {};
}

pugi::xml_node Descendant(const pugi::xml_node& parent, std::string_view localName, int depth) {
    if (depth <= 0 || !parent) return {};
    if (pugi::xml_node direct = Child(parent, localName)) return direct;
    for (pugi::xml_node child = parent.first_child(); child; child = child.next_sibling()) {
        if (child.type() != pugi::node_element) continue;
        if (pugi::xml_node found = Descendant(child, localName, depth - 1)) return found;
    }
    return {};
}

std::optional<double> Number(std::string_view text) {
    constexpr std::string_view kSpace = " \t\r\n";
    std::size_t first = text.find_first_not_of(kSpace);
    if (first == std::string_view::npos) return std::nullopt;
    text = text.substr(first, text.find_last_not_of(kSpace) - first + 1);
    ScannedDouble scanned = ScanDouble(text);
    if (scanned.end != text.size() || !std::isfinite(scanned.value)) return std::nullopt;
    return scanned.value;
}

std::optional<double> Number(const pugi::xml_node& element) {
    if (!element) return std::nullopt;
    return Number(std::string_view(element.child_value()));
}

std::optional<float> FloatNumber(const pugi::xml_node& element) {
    std::optional<double> value = Number(element);
    if (!value || std::abs(*value) > 3.0e38) return std::nullopt;
    return static_cast<float>(*value);
}

std::optional<std::string> ParseXml(pugi::xml_document& doc, std::string_view bytes) {
    pugi::xml_parse_result result = doc.load_buffer(bytes.data(), bytes.size());
    if (result) return std::nullopt;
    return "it is not well-formed XML (" + std::string(result.description()) + " at byte " +
           std::to_string(result.offset) + ")";
}

std::optional<LoadResult> OpenXmlRecording(pugi::xml_document& doc, std::string_view bytes,
                                           std::string_view rootName, std::string_view kind) {
    if (std::optional<std::string> error = ParseXml(doc, bytes))
        return LoadResult{LoadStatus::kDamaged, "is damaged: " + *error};
    const std::string_view root = LocalName(doc.document_element());
    if (root != rootName)
        return LoadResult{
            LoadStatus::kNotRecognised,
            "is not " + std::string(kind) + ": its root element is <" + std::string(root) + ">"};
    return std::nullopt;
}

}  // namespace kadenzo
