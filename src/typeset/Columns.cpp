#include "typeset/Columns.h"

#include <algorithm>

#include "typeset/Characters.h"

namespace ruvo {

namespace {

// Where a unit of a column starts, and its cells.
struct Placed {
    ReadPoint from;
    std::size_t cells = 0;
};

// The last units of a column, as many as a break may push out and one
// more; older ones are overwritten in turn.
class RecentUnits {
  public:
    explicit RecentUnits(std::size_t length) : units_(length / 4 + 2) {}

    void Add(ReadPoint from, std::size_t cells) {
        units_[next_] = {from, cells};
        next_ = next_ + 1 == units_.size() ? 0 : next_ + 1;
        count_ = std::min(count_ + 1, units_.size());
    }
    void Clear() { count_ = 0; }
    std::size_t Count() const { return count_; }
    // The unit `back` places before the column's end (1: its last).
    const Placed& Back(std::size_t back) const {
        return units_[(next_ + units_.size() - back) % units_.size()];
    }

  private:
    std::vector<Placed> units_;
    std::size_t next_ = 0;
    std::size_t count_ = 0;
};

// How many of a full column's last units move on to the next column so
// that the break keeps the rules; `next` is the unit after the column.
// None when no break within the column's last quarter keeps them. The
// units are read again for their characters: breaks are few.
std::size_t PushedOut(UnitReader& reader, const RecentUnits& recent, Unit next,
                      std::size_t length) {
    std::size_t cells = 0;
    for (std::size_t pushed = 0; pushed < recent.Count() && cells <= length / 4; ++pushed) {
        const Placed& before = recent.Back(pushed + 1);
        const Unit last = reader.Read(before.from, next.from.at, before.cells, true);
        if (!MayNotEndColumn(last.last) && !MayNotStartColumn(next.first) &&
            !Inseparable(last.last, next.first)) {
            return pushed;
        }
        cells += before.cells;
        next = last;
    }
    return 0;
}

}  // namespace

Columns LayOutColumns(std::u16string_view text, std::size_t length, bool notation,
                      const Advance& advance, std::size_t most, bool hanging) {
    Columns columns;
    if (text.empty()) {
        return columns;
    }
    UnitReader reader(text, notation, advance);
    RecentUnits recent(length);
    columns.starts.push_back({});
    std::size_t cells = 0;
    std::size_t hungTo = 0;  // where what hangs below the column ends
    ReadPoint point;
    // Ends the column before `next`, or before as many units ahead of it as
    // the rules want; the next column reads them again.
    const auto breakBefore = [&](const Unit& next) {
        const std::size_t pushed = PushedOut(reader, recent, next, length);
        point = pushed == 0 ? next.from : recent.Back(pushed).from;
        columns.starts.push_back(point);
        for (std::size_t back = 1; back <= pushed; ++back) {
            cells -= recent.Back(back).cells;
            columns.cells -= recent.Back(back).cells;  // counted again in the next column
        }
        columns.longest = std::max(columns.longest, cells);
        cells = 0;
        recent.Clear();
    };
    while (point.at < text.size() && columns.starts.size() <= most) {
        if (point.emphasisEnd == 0 && IsLineBreak(text[point.at])) {
            // CR LF is one line break; a lone CR or LF is one each.
            point.at += text.substr(point.at, 2) == u"\r\n" ? 2 : 1;
            columns.longest = std::max(columns.longest, cells);
            cells = 0;
            recent.Clear();
            if (point.at < text.size()) {
                columns.starts.push_back(point);
            }
            continue;
        }
        const std::size_t room =
            length == 0 ? static_cast<std::size_t>(-1) : length - std::min(cells, length);
        if (const std::size_t plain =
                point.emphasisEnd == 0 ? reader.PlainEnd(point.at, room) : point.at;
            plain != point.at) {
            if (length != 0) {
                for (std::size_t at = std::max(point.at, plain - std::min(plain, length / 4 + 2));
                     at < plain; ++at) {
                    recent.Add({at, 0}, 1);
                }
            }
            cells += plain - point.at;
            columns.cells += plain - point.at;
            point.at = plain;
            continue;
        }
        const Unit unit = reader.Read(point, text.size(), room, cells == 0);
        if (hanging && length != 0 && room == 0 && unit.kind == Unit::Kind::Character &&
            (MayHang(unit.first) || (unit.from.at == hungTo && IsClosingBracket(unit.first)))) {
            hungTo = unit.to.at;
            point = unit.to;
            continue;
        }
        if (length != 0 && cells != 0 && unit.cells > room) {
            breakBefore(unit);
            continue;
        }
        recent.Add(unit.from, unit.cells);
        cells += unit.cells;
        columns.cells += unit.cells;
        columns.annotated = columns.annotated || unit.kind == Unit::Kind::Ruby || unit.dotted;
        point = unit.to;
    }
    columns.longest = std::max(columns.longest, cells);
    return columns;
}

}  // namespace ruvo
