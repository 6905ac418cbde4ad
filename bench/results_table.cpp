#include "results_table.h"

#include <cstdio>

namespace bench {

std::string Fixed(double value, int decimals) {
    char buffer[64];
    std::snprintf(buffer, sizeof(buffer), "%.*f", decimals, value);
    return buffer;
}

std::string Megabytes(double bytes) {
    return Fixed(bytes / 1e6, 2) + " MB";
}

std::string ResultsTable::Markdown(const std::string& title) const {
    std::string text = "# " + title + "\n\n";
    text += "| measure | Tessark | reference or peer | ratio | note |\n";
    text += "|---|---|---|---|---|\n";
    for (const ResultRow& row : rows_) {
        text += "| " + row.measure + " | " + row.ours + " | " + row.other + " | " + row.ratio +
                " | " + row.note + " |\n";
    }
    if (!remarks_.empty()) text += "\n";
    for (const std::string& remark : remarks_) text += remark + "\n";
    return text;
}

}  // namespace bench
