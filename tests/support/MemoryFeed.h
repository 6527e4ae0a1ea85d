#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "reports/ReportFeed.h"

namespace tavo::testing {

// A feed over rows held in memory, moving as the installation report's feed does: row 0 is
// the first record, the end comes at the row count. It counts the field requests it answers.
class MemoryFeed final : public ReportFeed {
  public:
    MemoryFeed(std::vector<std::string> names, std::vector<std::vector<std::string>> rows)
        : names_(std::move(names)), rows_(std::move(rows)) {}

    void OpenDataSet() override { open_ = true, row_ = OpenAt; }
    void CloseDataSet() override { open_ = false, row_ = 0; }
    void GotoFirstRecord() override { row_ = 0; }
    void GotoLastRecord() override { row_ = Count() - 1; }
    void TraverseBy(int n) override { row_ += n; }
    bool CheckBOF() override { return row_ <= 0; }
    bool CheckEOF() override { return row_ >= Count(); }
    int GetBookmark() override { return row_; }
    void GotoBookmark(int bookmark) override { row_ = bookmark; }
    std::string GetDataSetName() override { return "Memory"; }
    std::string GetFieldAsString(std::string_view name) override {
        ++Requests;
        if (row_ < 0 || row_ >= Count()) return {};
        for (std::size_t at = 0; at < names_.size(); ++at)
            if (names_[at] == name) return rows_[static_cast<std::size_t>(row_)][at];
        return {};
    }

    int Row() const { return row_; }
    int Count() const { return static_cast<int>(rows_.size()); }
    bool IsOpen() const { return open_; }

    int OpenAt = 0;  // the current record once opened
    int Requests = 0;

  private:
    std::vector<std::string> names_;
    std::vector<std::vector<std::string>> rows_;
    int row_ = 0;
    bool open_ = false;
};

}  // namespace tavo::testing
