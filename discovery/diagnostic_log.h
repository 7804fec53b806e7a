// The optional diagnostic log of discovery: one line per settled candidate folder, appended to
// a file that someone investigating an installation creates beforehand. The installer never
// creates it.
#pragma once

constexpr char kDiagnosticLogPath[] = "c:\\inst581.txt";

// Appends "x32 " or "x64 " (the registry view in use), the label, two blanks and the folder,
// as one line. The first line of a run (firstOfRun) is preceded by two line breaks and a
// header naming the Windows: "Wow64" on 64-bit Windows, else "x(86)". Silent when the file is
// missing or cannot be opened.
void LogSettledFolder(const char* label, const char* folder, bool firstOfRun);
