#pragma once

#include <optional>
#include <pugixml.hpp>
#include <string>
#include <string_view>

#include "RecordingFile.h"

namespace kadenzo {

// Helpers for the XML track formats. Elements are matched by their local name:
// files write the same element as "ns3:TPX", "ax:TPX" or plain "TPX".

std::string_view LocalName(const pugi::xml_node& node);

// The first child element with that local name; an empty node when none.
pugi::xml_node Child(const pugi::xml_node& parent, std::string_view localName);

// Calls f for every child element with that local name, in document order.
template <typename F>
void ForEachChild(const pugi::xml_node& parent, std::string_view localName, F f) {
    for (pugi::xml_node child = parent.first_child(); child; child = child.next_sibling())
        if (child.type() == pugi::node_element && LocalName(child) == localName) f(child);
}

// The first element with that local name at most `depth` levels below parent
// (breadth first); an empty node when none.
pugi::xml_node Descendant(const pugi::xml_node& parent, std::string_view localName, int depth);

// Text as a number, read the same under every locale; empty when the text is
// not one finite number (surrounding white space allowed).
std::optional<double> Number(std::string_view text);
// The element's text as a number.
std::optional<double> Number(const pugi::xml_node& element);
std::optional<float> FloatNumber(const pugi::xml_node& element);

// Parses bytes into doc; the reason when they are no well-formed XML.
std::optional<std::string> ParseXml(pugi::xml_document& doc, std::string_view bytes);

// Parses a recording file into doc and checks its root element's local name:
// nothing when both hold, else what the reader reports (damaged XML, or not
// this kind of file, named like "a GPX file").
std::optional<LoadResult> OpenXmlRecording(pugi::xml_document& doc, std::string_view bytes,
                                           std::string_view rootName, std::string_view kind);

}  // namespace kadenzo
