// Character classes of the system's ANSI code page: which bytes are letters, and the upper-case
// form of one character. Folder texts from the registry are compared after case changes made
// with these, so they follow the code page the system itself uses for its ANSI texts.
#pragma once

namespace os {

// IsCharAlphaA: true when c is an alphabetic character of the ANSI code page.
bool IsLetter(char c);

// CharUpperA on the single character c: its upper-case form, or c itself when it has none in
// the code page.
char UpperChar(char c);

}  // namespace os
