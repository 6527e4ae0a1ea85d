#pragma once

#include <string>
#include <string_view>

#include "core/AppState.h"
#include "reports/ReportFeed.h"

namespace tavo {

class UnitLists;

// What the network information feed reads of the main window at the moment of each request:
// the unit grid and the network selector.
class CalculatorWindow {
  public:
    virtual ~CalculatorWindow() = default;
    virtual const UnitLists& Grid() const = 0;
    virtual std::string SelectorText() const = 0;
    virtual int SelectorIndex() const = 0;  // 0-based
    virtual int SelectorCount() const = 0;
};

// The project details report's feed: one record, the installer and project details as they
// stand.
class PIPEprojectDetails final : public ReportFeed {
  public:
    explicit PIPEprojectDetails(const ProjectDetails& details);
    void OpenDataSet() override { position_ = 1; }
    void CloseDataSet() override { position_ = 0; }
    void GotoFirstRecord() override { position_ = 1; }
    void GotoLastRecord() override { position_ = 1; }
    void TraverseBy(int n) override { position_ += n; }
    bool CheckBOF() override { return position_ <= 1; }
    bool CheckEOF() override { return position_ > 1; }
    int GetBookmark() override { return position_; }
    void GotoBookmark(int bookmark) override { position_ = bookmark; }
    std::string GetDataSetName() override { return "Tavo Project Details"; }
    std::string GetFieldAsString(std::string_view name) override;
    int ProjectDetailsRecNo() const { return position_; }

  private:
    const ProjectDetails& details_;
    int position_ = 0;
};

// The network information report's feed: one record per row of the unit grid below its
// headings, with the network's names and status texts in every record.
class PIPEcalculator final : public ReportFeed {
  public:
    PIPEcalculator(AppState& state, const CalculatorWindow& window);
    void OpenDataSet() override { position_ = 1; }
    void CloseDataSet() override { position_ = 0; }
    void GotoFirstRecord() override { position_ = 1; }
    void GotoLastRecord() override;
    void TraverseBy(int n) override { position_ += n; }
    bool CheckBOF() override { return position_ <= 1; }
    bool CheckEOF() override;
    int GetBookmark() override { return position_; }
    void GotoBookmark(int bookmark) override { position_ = bookmark; }
    std::string GetDataSetName() override { return "Tavo Installation Report"; }
    std::string GetFieldAsString(std::string_view name) override;
    int CalculatorRecNo() const { return position_; }

  private:
    AppState& state_;
    const CalculatorWindow& window_;
    int position_ = 0;
};

// The installation report's feed: the installation table's rows, its position the table's
// current row.
class PIPEinstallation final : public ReportFeed {
  public:
    explicit PIPEinstallation(TTavoData& table);
    void OpenDataSet() override { table_.SetCurrentRow(0); }
    void CloseDataSet() override { table_.SetCurrentRow(0); }
    void GotoFirstRecord() override { table_.SetCurrentRow(0); }
    void GotoLastRecord() override { table_.SetCurrentRow(table_.RowCount() - 1); }
    void TraverseBy(int n) override { table_.SetCurrentRow(table_.CurrentRow() + n); }
    bool CheckBOF() override { return table_.CurrentRow() <= 0; }
    bool CheckEOF() override { return table_.CurrentRow() >= table_.RowCount(); }
    int GetBookmark() override { return table_.CurrentRow(); }
    void GotoBookmark(int bookmark) override { table_.SetCurrentRow(bookmark); }
    std::string GetDataSetName() override { return "Tavo Installation Report"; }
    std::string GetFieldAsString(std::string_view name) override {
        return std::string(table_.GetValue(name));
    }

  private:
    TTavoData& table_;
};

}  // namespace tavo
