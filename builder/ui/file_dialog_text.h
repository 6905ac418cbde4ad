#pragma once
// The texts the standard file dialogs take, from the forms the builder writes them in.

#include <string>

namespace widgets {

// A filter in pairs of description and pattern separated by vertical bars and ended by two
// ("JPG Files (*.jpg)|*.jpg|All Files (*.*)|*.*||") as the dialog wants it: each bar a zero.
// A filter without its closing bars gets the zeros that end the list.
std::u16string DialogFilter(const std::u16string& barred);

// A default extension given as "*.jpg" or ".jpg" as the dialog wants it: "jpg".
std::u16string BareExtension(const std::u16string& extension);

}  // namespace widgets
