#pragma once
// The benchmark's one table, as Markdown.

#include <string>
#include <vector>

namespace bench {

struct ResultRow {
    std::string measure;
    std::string ours;
    std::string other;  // the reference or the peer
    std::string ratio;
    std::string note;
};

class ResultsTable {
  public:
    void Add(ResultRow row) { rows_.push_back(std::move(row)); }
    // A line under the table.
    void Remark(std::string line) { remarks_.push_back(std::move(line)); }
    std::string Markdown(const std::string& title) const;

  private:
    std::vector<ResultRow> rows_;
    std::vector<std::string> remarks_;
};

std::string Megabytes(double bytes);
std::string Fixed(double value, int decimals);

}  // namespace bench
