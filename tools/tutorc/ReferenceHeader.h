// The generated header of the texts the program holds from the reference
// sources, included by the language reference's core as
// "speech/generated/ReferenceTexts.h".
#pragma once

#include <string>

#include "tools/tutorc/TutorialSource.h"

std::string ReferenceHeader(const CompiledTutorial& tutorial);

// A C++ string literal of the bytes (octal escapes outside printable ASCII).
std::string CppLiteral(const std::string& bytes);
