#include "controls/model/edit_text_rules.h"

#include <cstdint>

namespace vd {
namespace {

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
bool IsLetter(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }
bool IsIdentStart(char16_t c) { return IsLetter(c) || c == u'_'; }
bool IsIdentChar(char16_t c) { return IsIdentStart(c) || IsDigit(c); }

bool Contains(std::u16string_view s, char16_t c) { return s.find(c) != std::u16string_view::npos; }

// '-' only as the first character of a text that has none yet.
bool AcceptMinus(const TTypingRules& r, std::u16string_view text, int caret) {
    return r.AcceptNegative && !Contains(text, u'-') && caret == 0;
}

// Digits from `at`; returns the index after them.
size_t SkipDigits(std::string_view s, size_t at) {
    while (at < s.size() && s[at] >= '0' && s[at] <= '9') ++at;
    return at;
}

}  // namespace

bool IsEditingControlChar(char16_t ch) {
    return ch == 1 || ch == 3 || ch == 8 || ch == 22 || ch == 24 || ch == 26;
}

bool AcceptTypedChar(const TTypingRules& r, char16_t ch, std::u16string_view text, int caret) {
    if (IsEditingControlChar(ch)) return true;
    switch (r.Type) {
        case IntegerText:
            if (IsDigit(ch)) return true;
            return ch == u'-' && AcceptMinus(r, text, caret);
        case FloatText:
            if (IsDigit(ch)) return true;
            if (ch == u'.') return !Contains(text, u'.');
            return ch == u'-' && AcceptMinus(r, text, caret);
        case IdentText:
            if (caret == 0 ? !IsIdentStart(ch) : !IsIdentChar(ch)) return false;
            break;
        case NormalText:
            break;
    }
    return r.AcceptCharList.empty() || Contains(r.AcceptCharList, ch);
}

std::u16string FilterPastedText(TTextType type, std::u16string_view pasted, bool atStart) {
    std::u16string out;
    for (char16_t c : pasted) {
        bool keep = true;
        switch (type) {
            case IntegerText: keep = IsDigit(c) || c == u'-'; break;
            case FloatText: keep = IsDigit(c) || c == u'-' || c == u'.'; break;
            case IdentText: keep = (atStart && out.empty()) ? IsIdentStart(c) : IsIdentChar(c); break;
            case NormalText: break;
        }
        if (keep) out += c;
    }
    return out;
}

bool IsValidInteger(std::string_view s) {
    size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) negative = s[i++] == '-';
    size_t end = SkipDigits(s, i);
    if (end == i || end != s.size()) return false;
    int64_t v = 0;
    for (; i < end; ++i) {
        v = v * 10 + (s[i] - '0');
        if (v > (negative ? 2147483648LL : 2147483647LL)) return false;
    }
    return true;
}

bool IsValidFloat(std::string_view s) {
    size_t i = 0;
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) ++i;
    size_t intEnd = SkipDigits(s, i);
    size_t digits = intEnd - i;
    i = intEnd;
    if (i < s.size() && s[i] == '.') {
        size_t fracEnd = SkipDigits(s, i + 1);
        digits += fracEnd - i - 1;
        i = fracEnd;
    }
    if (digits == 0) return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '-' || s[i] == '+')) ++i;
        size_t expEnd = SkipDigits(s, i);
        if (expEnd == i) return false;
        i = expEnd;
    }
    return i == s.size();
}

std::string DefaultTextForType(TTextType type, const std::string& defaultText) {
    if (type == IntegerText && !IsValidInteger(defaultText)) return "0";
    if (type == FloatText && !IsValidFloat(defaultText)) return "0";
    return defaultText;
}

std::string TextOnExit(TTextType type, const std::string& text, const std::string& defaultText) {
    std::string t = text;
    switch (type) {
        case NormalText:
            if (t.empty()) t = defaultText;
            break;
        case IntegerText:
            if (t.empty()) t = defaultText;
            if (!IsValidInteger(t)) t = defaultText;
            break;
        case FloatText:
            if (!t.empty() && t.front() == '.') t.insert(0, "0");
            if (!t.empty() && t.back() == '.') t += "0";
            if (!IsValidFloat(t)) t = defaultText;
            break;
        case IdentText:
            break;
    }
    return t;
}

}  // namespace vd
