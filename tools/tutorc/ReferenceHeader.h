// The generated header of the texts the program holds from the reference
// sources, included by the language reference's core as
// "speech/generated/ReferenceTexts.h".
#pragma once

#include <string>

#include "tools/tutorc/DescriptionSource.h"
#include "tools/tutorc/TutorialSource.h"

std::string ReferenceHeader(const CompiledTutorial& tutorial,
                            const CompiledDescriptions& descriptions);

// A C++ string literal of the bytes (octal escapes outside printable ASCII).
std::string CppLiteral(const std::string& bytes);

// The constant a template is named by: "letter-sentence" gives
// kLetterSentence.
std::string TemplateConstant(const std::string& name);
