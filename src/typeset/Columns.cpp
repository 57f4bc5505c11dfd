#include "typeset/Columns.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "typeset/Annotations.h"
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

// Records the cells above a column's first unit; columns without any are
// left out at the end.
void SetFirstCell(Columns& columns, std::size_t column, std::size_t cells) {
    if (cells != 0) {
        columns.firstCells.resize(std::max(columns.firstCells.size(), column + 1));
        columns.firstCells[column] = cells;
    }
}

}  // namespace

Columns LayOutColumns(std::u16string_view text, std::size_t length, bool notation,
                      const Advance& advance, std::size_t most, std::size_t sheetColumns) {
    Columns columns;
    if (text.empty()) {
        return columns;
    }
    // Every line is read: looking once for any annotation at all is cheaper
    // than looking in each line.
    columns.mayHoldAnnotations = notation && text.find(u'［') != text.npos;
    UnitReader reader(text, notation, advance, columns.mayHoldAnnotations);
    RecentUnits recent(length);
    LineStands stands;
    // The columns set at the foot while the foot is not yet known, with the
    // cells they take from it.
    struct Foot {
        std::size_t column;
        std::size_t cells;
    };
    std::vector<Foot> feet;
    std::size_t top = 0;       // cells above the column's first unit
    std::size_t reserved = 0;  // cells the column keeps free: its indent, or below it
    std::size_t cells = 0;
    std::size_t hungTo = 0;  // where what hangs below the column ends
    bool lineStarts = true;
    bool open = false;  // a column of the line is open
    ReadPoint point;
    // At a line's start, the annotations there; a column, unless the line
    // holds nothing else; after a page break an empty one before it.
    const auto startLine = [&] {
        const std::size_t textAt = stands.StartLine(text, point.at, reader.ReadsNotation(point.at));
        if (textAt != point.at && (textAt == text.size() || IsLineBreak(text[textAt]))) {
            point.at = textAt;
            return false;
        }
        if (stands.TakePageBreak() && !columns.starts.empty()) {
            // An empty column; on sheets, the rest of the sheet stays empty.
            if (sheetColumns == 0) {
                columns.starts.push_back(point);
            }
            while (sheetColumns != 0 && columns.starts.size() % sheetColumns != 0) {
                columns.starts.push_back(point);
            }
            columns.pageBreaks.push_back(columns.starts.size());
        }
        const LineStands::Stand& stand = stands.Line();
        // A column keeps at least one cell for its text.
        reserved =
            std::min(stand.foot ? stand.raise : stand.indent, length == 0 ? SIZE_MAX : length - 1);
        top = stand.foot ? 0 : reserved;
        columns.starts.push_back(point);
        point.at = textAt;
        return true;
    };
    const auto endColumn = [&](bool lineEnds) {
        const std::size_t column = columns.starts.size() - 1;
        std::size_t first = top;
        if (stands.Line().foot && lineEnds) {
            if (length == 0) {
                feet.push_back({column, cells + reserved});
            } else {
                first = length - reserved - std::min(cells, length - reserved);
            }
        }
        SetFirstCell(columns, column, first);
        columns.longest =
            std::max(columns.longest, first + cells + (stands.Line().foot ? reserved : 0));
        columns.cells += cells;
        cells = 0;
        recent.Clear();
    };
    // Ends the column before `next`, or before as many units ahead of it as
    // the rules want; the next column reads them again.
    const auto breakBefore = [&](const Unit& next) {
        const std::size_t pushed = PushedOut(reader, recent, next, length);
        point = pushed == 0 ? next.from : recent.Back(pushed).from;
        for (std::size_t back = 1; back <= pushed; ++back) {
            cells -= recent.Back(back).cells;
        }
        endColumn(false);
        columns.starts.push_back(point);
    };
    while (point.at < text.size() && columns.starts.size() <= most) {
        if (std::exchange(lineStarts, false)) {
            open = startLine();
            continue;
        }
        if (point.emphasisEnd == 0 && IsLineBreak(text[point.at])) {
            // CR LF is one line break; a lone CR or LF is one each.
            point.at += text.substr(point.at, 2) == u"\r\n" ? 2 : 1;
            if (std::exchange(open, false)) {
                endColumn(true);
            }
            lineStarts = true;
            continue;
        }
        const std::size_t room = length == 0 ? static_cast<std::size_t>(-1)
                                             : length - std::min(reserved + cells, length);
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
            point.at = plain;
            continue;
        }
        const Unit unit = reader.Read(point, text.size(), room, cells == 0);
        if (sheetColumns != 0 && length != 0 && room == 0 && unit.kind == Unit::Kind::Character &&
            (MayHang(unit.first) || (unit.from.at == hungTo && IsClosingBracket(unit.first)))) {
            hungTo = unit.to.at;
            point = unit.to;
            continue;
        }
        if (length != 0 && cells != 0 && unit.cells > room) {
            breakBefore(unit);
            continue;
        }
        if (unit.kind == Unit::Kind::Annotation) {
            // It takes no cell, and no part in the line-breaking rules; one
            // of emphasis dots its X, which plain characters do not show.
            const Annotation annotation = ReadAnnotation(text, unit.from.at, unit.to.at);
            stands.Take(annotation);
            columns.annotated = columns.annotated || annotation.kind == Annotation::Kind::Emphasis;
        } else {
            recent.Add(unit.from, unit.cells);
        }
        cells += unit.cells;
        columns.annotated = columns.annotated || unit.kind == Unit::Kind::Ruby || unit.dotted;
        point = unit.to;
    }
    if (open) {
        endColumn(true);
    }
    for (const Foot& foot : feet) {
        SetFirstCell(columns, foot.column, columns.longest - foot.cells);
    }
    if (columns.starts.empty()) {
        columns.starts.push_back({});  // a text of annotations alone
    }
    return columns;
}

}  // namespace ruvo
