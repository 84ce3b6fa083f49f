#include "core/richtext/rich_text.hpp"

#include <algorithm>
#include <iterator>
#include <utility>

#include "core/text/encoding.hpp"

namespace tavir {

bool TextRun::sameFormat(const TextRun& other) const {
    return !picture && !other.picture && font == other.font && halfPoints == other.halfPoints && bold == other.bold &&
           italic == other.italic && underline == other.underline && script == other.script && color == other.color &&
           highlight == other.highlight;
}

namespace {
std::string romanNumber(int number, bool upper) {
    static constexpr std::pair<int, const char*> kDigits[] = {{1000, "m"}, {900, "cm"}, {500, "d"}, {400, "cd"},
                                                              {100, "c"},  {90, "xc"},  {50, "l"},  {40, "xl"},
                                                              {10, "x"},   {9, "ix"},   {5, "v"},   {4, "iv"},
                                                              {1, "i"}};
    std::string out;
    for (const auto& [value, digits] : kDigits)
        for (; number >= value; number -= value) out += digits;
    if (upper)
        for (char& c : out) c = static_cast<char>(c - 'a' + 'A');
    return out;
}

// a, b, ... z, aa, ab...: the letters of a spreadsheet's columns.
std::string letterNumber(int number, bool upper) {
    std::string out;
    for (; number > 0; number = (number - 1) / 26) out.insert(out.begin(), static_cast<char>((upper ? 'A' : 'a') + (number - 1) % 26));
    return out;
}
}  // namespace

std::string listMarker(ListKind kind, int number) {
    number = std::clamp(number, 1, 3999);
    switch (kind) {
    case ListKind::Bullet: return "\u2022";
    case ListKind::Decimal: return std::to_string(number) + ".";
    case ListKind::LowerAlpha: return letterNumber(number, false) + ".";
    case ListKind::UpperAlpha: return letterNumber(number, true) + ".";
    case ListKind::LowerRoman: return romanNumber(number, false) + ".";
    case ListKind::UpperRoman: return romanNumber(number, true) + ".";
    }
    return "\u2022";
}

int ListCounter::next(const ListItem& item) {
    constexpr int kLevels = 9;
    auto& counts = counts_.try_emplace(item.list, std::vector<int>(kLevels, 0)).first->second;
    const auto level = static_cast<std::size_t>(std::clamp(item.level, 0, kLevels - 1));
    for (std::size_t deeper = level + 1; deeper < counts.size(); ++deeper) counts[deeper] = 0;
    return ++counts[level];
}

TextRun pictureRun(Picture picture, const TextRun& look) {
    TextRun run = look;
    run.text = std::string(kPictureCharacter);
    run.picture = std::move(picture);
    return run;
}

void Paragraph::append(TextRun run) {
    if (run.text.empty()) return;
    if (!runs.empty() && runs.back().sameFormat(run)) {
        runs.back().text += run.text;
        return;
    }
    runs.push_back(std::move(run));
}

namespace {
template <typename Document, typename Visit>
void visitParagraphs(Document& document, const Visit& visit) {
    for (auto& block : document.blocks) {
        if (auto* paragraph = std::get_if<Paragraph>(&block)) {
            visit(*paragraph);
            continue;
        }
        for (auto& row : std::get<Table>(block).rows)
            for (auto& cell : row.cells)
                for (auto& paragraph : cell.paragraphs) visit(paragraph);
    }
}

void appendParagraphText(std::string& out, const Paragraph& paragraph) {
    for (const auto& run : paragraph.runs) out += run.text;
}
}  // namespace

void forEachParagraph(const RichDocument& document, const std::function<void(const Paragraph&)>& visit) {
    visitParagraphs(document, visit);
}

void forEachParagraph(RichDocument& document, const std::function<void(Paragraph&)>& visit) {
    visitParagraphs(document, visit);
}

std::string plainText(const RichDocument& document) {
    std::string out;
    bool first = true;
    auto newParagraph = [&] {
        if (!first) out += '\n';
        first = false;
    };
    for (const auto& block : document.blocks) {
        if (const auto* paragraph = std::get_if<Paragraph>(&block)) {
            newParagraph();
            appendParagraphText(out, *paragraph);
            continue;
        }
        for (const auto& row : std::get<Table>(block).rows) {
            newParagraph();
            for (std::size_t c = 0; c < row.cells.size(); ++c) {
                if (c > 0) out += '\t';
                for (std::size_t p = 0; p < row.cells[c].paragraphs.size(); ++p) {
                    if (p > 0) out += '\n';
                    appendParagraphText(out, row.cells[c].paragraphs[p]);
                }
            }
        }
    }
    return out;
}

std::size_t textBytes(const RichDocument& document) {
    std::size_t bytes = 0;
    forEachParagraph(document, [&](const Paragraph& paragraph) {
        for (const auto& run : paragraph.runs) bytes += run.text.size();
    });
    return bytes;
}

namespace {
Paragraph normalizedParagraph(const Paragraph& paragraph) {
    Paragraph copy = paragraph;
    copy.runs.clear();
    for (const auto& run : paragraph.runs) copy.append(run);
    return copy;
}
}  // namespace

RichDocument normalized(const RichDocument& document) {
    RichDocument out;
    out.blocks.reserve(document.blocks.size());
    for (const auto& block : document.blocks) {
        if (const auto* paragraph = std::get_if<Paragraph>(&block)) {
            out.blocks.emplace_back(normalizedParagraph(*paragraph));
            continue;
        }
        Table table;
        for (const auto& row : std::get<Table>(block).rows) {
            if (row.cells.empty()) continue;
            TableRow tidyRow;
            for (const auto& cell : row.cells) {
                TableCell tidyCell = cell;
                tidyCell.paragraphs.clear();
                for (const auto& paragraph : cell.paragraphs) tidyCell.paragraphs.push_back(normalizedParagraph(paragraph));
                if (tidyCell.paragraphs.empty()) tidyCell.paragraphs.emplace_back();
                tidyRow.cells.push_back(std::move(tidyCell));
            }
            table.rows.push_back(std::move(tidyRow));
        }
        if (table.rows.empty()) continue;
        if (!out.blocks.empty() && std::holds_alternative<Table>(out.blocks.back())) {
            auto& rows = std::get<Table>(out.blocks.back()).rows;
            rows.insert(rows.end(), std::make_move_iterator(table.rows.begin()), std::make_move_iterator(table.rows.end()));
        } else {
            out.blocks.emplace_back(std::move(table));
        }
    }
    return out;
}

bool breakLongWords(RichDocument& document, std::size_t maxLength) {
    if (maxLength == 0) return false;
    bool changed = false;
    forEachParagraph(document, [&](Paragraph& paragraph) {
        std::size_t word = 0;  // characters of the word running at the end of the text so far
        for (auto& run : paragraph.runs) {
            if (run.picture) {
                word = 0;
                continue;
            }
            // Most runs need nothing: scan first, rebuild only when a break goes in.
            std::string broken;
            std::size_t copied = 0;
            std::size_t pos = 0;
            while (pos < run.text.size()) {
                const std::size_t start = pos;
                const char32_t c = nextUtf8(run.text, pos);
                if (c == U' ' || c == U'\n' || c == U'\t') {
                    word = 0;
                    continue;
                }
                if (word == maxLength) {
                    broken.append(run.text, copied, start - copied);
                    broken += '\n';
                    copied = start;
                    word = 0;
                }
                ++word;
            }
            if (copied == 0 && broken.empty()) continue;
            broken.append(run.text, copied, std::string::npos);
            run.text = std::move(broken);
            changed = true;
        }
    });
    return changed;
}

}  // namespace tavir
