#pragma once

namespace ruvo {

// Where a column may not break (kinsoku), by JIS X 4051's rules.

// Closing brackets, commas and full stops, middle dots, colons and
// semicolons, question and exclamation marks, the prolonged sound mark,
// iteration marks and small kana.
bool MayNotStartColumn(char32_t c);
// Opening brackets.
bool MayNotEndColumn(char32_t c);
// A doubled dash or leader ("――", "……") is one mark.
bool Inseparable(char32_t before, char32_t after);

}  // namespace ruvo
