#pragma once

#include <cstddef>
#include <string_view>

#include "typeset/Units.h"

namespace ruvo {

// The typesetter's annotations of e-texts, ［＃…］. None takes a cell or is
// drawn; those the layout and the reader act on are told apart, every other
// one is a note to the typesetter.
struct Annotation {
    enum class Kind {
        Note,
        Emphasis,     // ［＃「X」に傍点］, 白ゴマ傍点 and the other dots alike
        Indent,       // ［＃N字下げ］, at a line's start
        BlockIndent,  // ［＃ここからN字下げ］: the lines from here
        BlockEnd,     // ［＃ここで字下げ終わり］
        Foot,         // ［＃地付き］ (N = 0), ［＃地からN字上げ］, at a line's start
        PageBreak,  // ［＃改ページ］, ［＃改丁］, ［＃改見開き］: after this line
    };

    Kind kind = Kind::Note;
    std::size_t cells = 0;  // N
    Span target;            // X, within the annotation
};

inline constexpr std::u16string_view kAnnotationOpen = u"［＃";

// Where the annotation that starts at `at` ends, after its ］, or npos where
// none starts there or it is not closed on its line. A ］ within 「…」 is
// part of X; an annotation is never longer than a note needs to be, so that
// a line of unclosed ones is not read to its end for each.
std::size_t AnnotationEnd(std::u16string_view text, std::size_t at);

// What the annotation [at, end) asks for.
Annotation ReadAnnotation(std::u16string_view text, std::size_t at, std::size_t end);

// How the columns of each line stand, as the annotations ask: indented by a
// block or by the line's own annotation, or set at the column's foot; and
// whether a page break comes before the line.
class LineStands {
  public:
    struct Stand {
        std::size_t indent = 0;  // cells above the line's columns
        bool foot = false;       // its last column ends at the foot...
        std::size_t raise = 0;   // ...or this many cells above it
    };

    // Reads the annotations at the start of the line at `at`, where they are
    // read (`read`); returns where its text begins, which is its end when
    // the line holds nothing else: such a line takes no column.
    std::size_t StartLine(std::u16string_view text, std::size_t at, bool read);
    // An annotation read within a line: a block or a page break.
    void Take(const Annotation& annotation);
    const Stand& Line() const { return line_; }
    // Whether a page break stands before the line started last; reading
    // it clears it.
    bool TakePageBreak();

  private:
    std::size_t blockIndent_ = 0;
    bool pageBreak_ = false;
    Stand line_;
};

}  // namespace ruvo
