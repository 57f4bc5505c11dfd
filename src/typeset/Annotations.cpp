#include "typeset/Annotations.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "typeset/Characters.h"

namespace ruvo {

namespace {

using Kind = Annotation::Kind;

constexpr std::size_t kNone = std::u16string_view::npos;
// A note of the library is a phrase; anything longer is drawn as written.
constexpr std::size_t kLongest = 500;

// N: one to three digits, full- or half-width, or a kanji numeral 一 to 十.
std::optional<std::size_t> Count(std::u16string_view n) {
    constexpr std::u16string_view kKanji = u"一二三四五六七八九十";
    if (n.size() == 1 && kKanji.find(n[0]) != kNone) {
        return kKanji.find(n[0]) + 1;
    }
    if (n.empty() || n.size() > 3) {
        return std::nullopt;
    }
    std::size_t value = 0;
    for (const char16_t c : n) {
        const char16_t digit =
            c >= u'０' && c <= u'９' ? static_cast<char16_t>(c - u'０' + u'0') : c;
        if (digit < u'0' || digit > u'9') {
            return std::nullopt;
        }
        value = value * 10 + static_cast<std::size_t>(digit - u'0');
    }
    return value;
}

// N of a body that is `before` N `after`.
std::optional<std::size_t> CountBetween(std::u16string_view body, std::u16string_view before,
                                        std::u16string_view after) {
    if (body.size() <= before.size() + after.size() || !body.starts_with(before) ||
        !body.ends_with(after)) {
        return std::nullopt;
    }
    return Count(body.substr(before.size(), body.size() - before.size() - after.size()));
}

// The warnings ask every member of a brace initialiser to be spelled out.
Annotation Asking(Kind kind, std::size_t cells = 0, Span target = {}) {
    return {kind, cells, target};
}

// Where the 「 at the start of `body` is closed, or npos.
std::size_t QuoteEnd(std::u16string_view body) {
    std::size_t quotes = 0;
    for (std::size_t at = 0; at < body.size(); ++at) {
        if (body[at] == u'「') {
            ++quotes;
        } else if (body[at] == u'」' && --quotes == 0) {
            return at;
        }
    }
    return kNone;
}

}  // namespace

std::size_t AnnotationEnd(std::u16string_view text, std::size_t at) {
    if (text.substr(at, kAnnotationOpen.size()) != kAnnotationOpen) {
        return kNone;
    }
    const std::size_t last = std::min(text.size(), at + kLongest);
    std::size_t quotes = 0;
    for (std::size_t p = at + kAnnotationOpen.size(); p < last && !IsLineBreak(text[p]); ++p) {
        if (text[p] == u'「') {
            ++quotes;
        } else if (text[p] == u'」' && quotes > 0) {
            --quotes;
        } else if (text[p] == u'］' && quotes == 0) {
            return p + 1;
        }
    }
    return kNone;
}

Annotation ReadAnnotation(std::u16string_view text, std::size_t at, std::size_t end) {
    const std::size_t start = at + kAnnotationOpen.size();
    const std::u16string_view body = text.substr(start, end - 1 - start);
    // Most are about X, the emphasis among them: told first.
    if (body.starts_with(u"「")) {
        const std::size_t close = QuoteEnd(body);
        const std::u16string_view rest = body.substr(std::min(close + 1, body.size()));
        if (close != kNone && close > 1 && rest.starts_with(u"に") && rest.ends_with(u"傍点")) {
            return Asking(Kind::Emphasis, 0, {start + 1, start + close});
        }
        return {};
    }
    if (body == u"改ページ" || body == u"改丁" || body == u"改見開き") {
        return Asking(Kind::PageBreak);
    }
    if (body == u"地付き") {
        return Asking(Kind::Foot);
    }
    if (body == u"ここで字下げ終わり" || body == u"字下げ終わり") {
        return Asking(Kind::BlockEnd);
    }
    if (const auto n = CountBetween(body, u"地から", u"字上げ")) {
        return Asking(Kind::Foot, *n);
    }
    if (const auto n = CountBetween(body, u"ここから", u"字下げ")) {
        return Asking(Kind::BlockIndent, *n);
    }
    if (const auto n = CountBetween(body, u"", u"字下げ")) {
        return Asking(Kind::Indent, *n);
    }
    return {};
}

std::size_t LineStands::StartLine(std::u16string_view text, std::size_t at, bool read) {
    line_ = {read ? blockIndent_ : 0, false, 0};
    std::size_t next = at;
    for (std::size_t end = 0; read && (end = AnnotationEnd(text, next)) != kNone; next = end) {
        const Annotation annotation = ReadAnnotation(text, next, end);
        if (annotation.kind == Kind::Emphasis) {
            break;  // nothing before it on the line to dot: drawn as written
        }
        if (annotation.kind == Kind::Indent) {
            line_ = {annotation.cells, false, 0};
        } else if (annotation.kind == Kind::Foot) {
            line_ = {0, true, annotation.cells};
        } else {
            Take(annotation);
            if (!line_.foot) {
                line_.indent = blockIndent_;  // a block that starts or ends here
            }
        }
    }
    return next;
}

void LineStands::Take(const Annotation& annotation) {
    if (annotation.kind == Kind::BlockIndent) {
        blockIndent_ = annotation.cells;
    } else if (annotation.kind == Kind::BlockEnd) {
        blockIndent_ = 0;
    } else if (annotation.kind == Kind::PageBreak) {
        pageBreak_ = true;
    }
}

bool LineStands::TakePageBreak() {
    return std::exchange(pageBreak_, false);
}

}  // namespace ruvo
