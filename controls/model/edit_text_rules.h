// The text rules of the flat edit: what a typed character may do, what a
// paste keeps, and how the text falls back to the default text when the user
// leaves the box. Characters are UTF-16 units, as the platform's edit counts
// them (the caret position too); whole texts are UTF-8.
#pragma once
#include <string>
#include <string_view>

namespace vd {

enum TTextType { NormalText = 0, IntegerText = 1, FloatText = 2, IdentText = 3 };

struct TTypingRules {
    TTextType Type = NormalText;
    bool AcceptNegative = true;
    // Empty: no restriction (NormalText and IdentText only).
    std::u16string AcceptCharList;
};

// Ctrl+A, Ctrl+C, Backspace, Ctrl+V, Ctrl+X and Ctrl+Z: always typed.
bool IsEditingControlChar(char16_t ch);

// Whether a typed character reaches the edit holding `text` with the caret
// at `caret`. Enter is the control's business and is not decided here.
bool AcceptTypedChar(const TTypingRules& rules, char16_t ch, std::u16string_view text, int caret);

// What a paste inserts: IntegerText keeps digits and '-', FloatText digits,
// '-' and '.', IdentText the characters valid where they land (the first
// kept character must start an identifier when it lands at the start of the
// text); NormalText keeps everything.
std::u16string FilterPastedText(TTextType type, std::u16string_view pasted, bool atStart);

// An optional sign followed by decimal digits, within 32 bits.
bool IsValidInteger(std::string_view s);
// An optional sign, digits with at most one '.', at least one digit, and an
// optional exponent (e or E, optional sign, digits).
bool IsValidFloat(std::string_view s);

// The default text kept when the text type is set: a default text that the
// type would refuse becomes "0" (IntegerText, FloatText).
std::string DefaultTextForType(TTextType type, const std::string& defaultText);

// The text after the user leaves the box.
std::string TextOnExit(TTextType type, const std::string& text, const std::string& defaultText);

// Whether a mouse press clears the text: a NormalText box still showing its
// default text.
inline bool PressClearsText(TTextType type, const std::string& text, const std::string& defaultText) {
    return type == NormalText && text == defaultText;
}

}  // namespace vd
