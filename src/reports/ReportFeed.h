#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tavo {

enum class FeedRange { FirstToLast, CurrentRecordOnly };

// One field a feed declares. The run asks for values by name only; the list is what a feed
// says about itself (and what the CSV export and the installation table are built from).
struct FeedField {
    std::string Name;
    std::string Alias;
    int Length = 0;
    int DisplayWidth = 0;
    bool RightAligned = false;
    bool Memo = false;
};

struct FeedSettings {
    FeedRange Range = FeedRange::FirstToLast;
    bool SkipWhenEmpty = false;  // no pages at all when the feed has no record
    // An upper bound only: the end of the data is what CheckEOF says. A run never visits more
    // records than this, so a feed that never ends cannot hang it.
    int RecordCountBound = 99999999;
};

// A pull-style data feed: the run opens it, moves through it and asks for field values by
// name while it lays out each record. A feed holds no data of its own; it answers every
// request afresh from the state it reads. Positions and bookmarks are plain integers.
class ReportFeed {
  public:
    virtual ~ReportFeed() = default;

    virtual void OpenDataSet() = 0;
    virtual void CloseDataSet() = 0;
    virtual void GotoFirstRecord() = 0;
    virtual void GotoLastRecord() = 0;
    virtual void TraverseBy(int n) = 0;
    virtual bool CheckBOF() = 0;
    virtual bool CheckEOF() = 0;
    virtual int GetBookmark() = 0;
    virtual void GotoBookmark(int bookmark) = 0;
    virtual std::string GetDataSetName() = 0;
    // Empty text for a name that no field carries.
    virtual std::string GetFieldAsString(std::string_view name) = 0;

    FeedSettings Settings;
    std::vector<FeedField> Fields;
};

}  // namespace tavo
