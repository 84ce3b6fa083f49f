#pragma once
// Zip packages made in memory, entries stored as is, as word processors lay them out.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace tavir::testing {

struct ZipPackage {
    using Entries = std::vector<std::pair<std::string, std::string>>;  // name, data
    explicit ZipPackage(Entries files) : entries(std::move(files)) {}

    Entries entries;
    bool sizesAfterData = false;       // as streaming writers do
    bool directory = true;             // false: cut short before the central directory
    std::uint32_t directoryShift = 0;  // added to the directory's offset, to damage it
    std::string comment;

    std::string bytes() const {
        std::string out, central;
        const auto put = [](std::string& s, std::uint64_t v, int size) {
            for (int i = 0; i < size; ++i, v >>= 8) s += static_cast<char>(v & 0xFF);
        };
        for (const auto& [name, data] : entries) {
            const std::uint64_t offset = out.size(), size = sizesAfterData ? 0 : data.size();
            out += "PK\x03\x04";
            put(out, 20, 2), put(out, sizesAfterData ? 8 : 0, 2), put(out, 0, 10);
            put(out, size, 4), put(out, size, 4), put(out, name.size(), 2), put(out, 0, 2);
            out += name + data;
            if (sizesAfterData) out += "PK\x07\x08", put(out, 0, 4), put(out, data.size(), 4), put(out, data.size(), 4);
            central += "PK\x01\x02";
            put(central, 0x1414, 4), put(central, 0, 12), put(central, data.size(), 4), put(central, data.size(), 4);
            put(central, name.size(), 2), put(central, 0, 12), put(central, offset, 4);
            central += name;
        }
        if (!directory) return out;
        const std::uint64_t start = out.size() + directoryShift;
        out += central + "PK\x05\x06";
        put(out, 0, 4), put(out, entries.size(), 2), put(out, entries.size(), 2);
        put(out, central.size(), 4), put(out, start, 4), put(out, comment.size(), 2);
        return out + comment;
    }
};

inline const char* kOdtMimetype = "application/vnd.oasis.opendocument.text";

inline ZipPackage wordDocument() {
    return ZipPackage({{"[Content_Types].xml", "<Types/>"}, {"_rels/.rels", "<Relationships/>"},
                       {"word/document.xml", "<w:document/>"}});
}
inline ZipPackage openDocument(const std::string& mimetype = kOdtMimetype) {
    return ZipPackage({{"mimetype", mimetype}, {"content.xml", "<office:document-content/>"}});
}

}  // namespace tavir::testing
