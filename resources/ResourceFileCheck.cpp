#include "ResourceFileCheck.h"

#include <cstdint>
#include <vector>

namespace kadenzo {
namespace {

constexpr std::uint16_t kDirectoryFlag = 0x02;

class Reader {
public:
    explicit Reader(const QByteArray& data) : data_(data) {}
    qint64 Size() const { return data_.size(); }
    // Big-endian value of the given width at offset, or false when it does not fit.
    bool Read(qint64 offset, int width, std::uint64_t& value) const {
        if (offset < 0 || width > Size() || offset > Size() - width) return false;
        value = 0;
        for (int i = 0; i < width; ++i) value = (value << 8) | quint8(data_[offset + i]);
        return true;
    }

private:
    const QByteArray& data_;
};

}  // namespace

bool IsSoundResourceFile(const QByteArray& data) {
    const Reader in(data);
    if (!data.startsWith("qres")) return false;
    std::uint64_t version = 0, tree = 0, blobs = 0, names = 0;
    if (!in.Read(4, 4, version) || !in.Read(8, 4, tree) || !in.Read(12, 4, blobs) ||
        !in.Read(16, 4, names)) {
        return false;
    }
    if (version < 1 || version > 3) return false;
    const qint64 nodeSize = version >= 2 ? 22 : 14;
    if (qint64(tree) >= in.Size()) return false;
    const qint64 nodeCount = (in.Size() - qint64(tree)) / nodeSize;
    if (nodeCount < 1) return false;

    std::vector<bool> seen(static_cast<std::size_t>(nodeCount), false);
    std::vector<qint64> pending{0};
    while (!pending.empty()) {
        const qint64 index = pending.back();
        pending.pop_back();
        if (index < 0 || index >= nodeCount || seen[static_cast<std::size_t>(index)]) return false;
        seen[static_cast<std::size_t>(index)] = true;
        const qint64 node = qint64(tree) + index * nodeSize;

        std::uint64_t nameOffset = 0, flags = 0, nameLength = 0;
        if (!in.Read(node, 4, nameOffset) || !in.Read(node + 4, 2, flags)) return false;
        // The root carries no name of its own.
        if (index != 0) {
            const qint64 name = qint64(names) + qint64(nameOffset);
            // Length in UTF-16 units, a 4-byte hash, then the characters.
            if (!in.Read(name, 2, nameLength)) return false;
            if (2 * qint64(nameLength) > in.Size() - name - 6) return false;
        }
        if (flags & kDirectoryFlag) {
            std::uint64_t childCount = 0, firstChild = 0;
            if (!in.Read(node + 6, 4, childCount) || !in.Read(node + 10, 4, firstChild)) {
                return false;
            }
            if (childCount > std::uint64_t(nodeCount) || firstChild > std::uint64_t(nodeCount) ||
                firstChild + childCount > std::uint64_t(nodeCount)) {
                return false;
            }
            for (std::uint64_t c = 0; c < childCount; ++c)
                pending.push_back(qint64(firstChild + c));
        } else {
            std::uint64_t dataOffset = 0, length = 0;
            if (!in.Read(node + 10, 4, dataOffset)) return false;
            const qint64 blob = qint64(blobs) + qint64(dataOffset);
            if (!in.Read(blob, 4, length)) return false;
            if (qint64(length) > in.Size() - blob - 4) return false;
        }
    }
    return true;
}

}  // namespace kadenzo
