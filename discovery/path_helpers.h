// Folder texts from the registry brought into one shape before they become candidates: leading
// quotes dropped, a program's file name cut off, folder and name joined, settled on a folder
// that exists, and one letter case so that duplicates compare equal. Each works in place on a
// terminated ANSI text and returns it; the two that lengthen a text take the buffer's capacity.
#pragma once
#include <cstddef>

// Lower-cases the ASCII letters, then upper-cases the first character and every character in
// the range 'A' to 'z' that follows a non-letter.
char* TitleCasePath(char* text);

// Appends a backslash unless the text already ends with one (an empty text becomes "\"). When
// the buffer has no room for it the text stays as it was.
char* EnsureTrailingBackslash(char* text, size_t capacity);

// Drops every leading non-letter. A text that does not begin with a letter is first ended
// after its 390th character.
char* StripLeadingNonLetters(char* text);

// Ends the text just after the last occurrence of c, searching from the second-to-last
// character down to the second; the first and last characters are never a hit.
char* CutAfterLast(char* text, char c);

// EnsureTrailingBackslash on dest, then appends name, cut to the buffer.
char* JoinPath(char* dest, size_t capacity, const char* name);

// Finds the folder the text names, or the nearest one reached by shortening its last component
// a character at a time, or its parent; never a text of fewer than four characters. 1 with the
// text naming the folder found (which is now the current directory), else 0 with the text left
// shortened.
int SettleExistingFolder(char* text);

// Lower-cases the ASCII letters A to Z in place (what _strlwr does in the C locale); other bytes
// stay.
char* LowerCaseAscii(char* text);

template <size_t N>
char* EnsureTrailingBackslash(char (&text)[N]) {
  return EnsureTrailingBackslash(text, N);
}
template <size_t N>
char* JoinPath(char (&dest)[N], const char* name) {
  return JoinPath(dest, N, name);
}
