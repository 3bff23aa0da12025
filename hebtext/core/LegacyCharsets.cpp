#include "hebtext/core/LegacyCharsets.h"

#include <string>

#include "hebtext/core/ByteText.h"
#include "hebtext/core/CodeTable.h"
#include "hebtext/core/HebChar.h"
#include "hebtext/core/RuleCodeMap.h"

namespace {

constexpr CodePair kOldCharsetCodes[] = {
    {2, 128},   {3, 129},   {34, 197},  {36, 218},  {38, 215},  {39, 192},  {40, 214},
    {41, 213},  {42, 219},  {43, 212},  {44, 250},  {45, 199},  {46, 245},  {47, 196},
    {52, 130},  {54, 131},  {55, 137},  {57, 216},  {59, 243},  {60, 186},  {62, 222},
    {63, 201},  {65, 185},  {66, 176},  {67, 161},  {68, 162},  {69, 184},  {70, 171},
    {71, 220},  {72, 169},  {73, 202},  {74, 221},  {75, 172},  {76, 170},  {77, 182},
    {78, 174},  {79, 206},  {80, 180},  {81, 211},  {83, 163},  {84, 223},  {85, 165},
    {86, 164},  {87, 208},  {88, 177},  {89, 168},  {90, 166},  {92, 203},  {93, 200},
    {95, 194},  {96, 198},  {97, 249},  {98, 240},  {99, 225},  {100, 226}, {101, 247},
    {102, 235}, {103, 242}, {104, 233}, {105, 239}, {106, 231}, {107, 236}, {108, 234},
    {109, 246}, {110, 238}, {111, 237}, {112, 244}, {113, 210}, {114, 248}, {115, 227},
    {116, 224}, {117, 229}, {118, 228}, {119, 209}, {120, 241}, {121, 232}, {122, 230},
    {125, 195}, {126, 193}, {133, 138}, {134, 140}, {135, 141}, {136, 142}, {137, 143},
    {138, 144}, {139, 148}, {140, 149}, {141, 150}, {142, 151}, {143, 152}, {144, 153},
    {145, 154}, {146, 155}, {147, 156}, {148, 157}, {149, 158}, {150, 159}, {151, 145},
    {152, 146}, {153, 147}, {154, 132}, {155, 133},
};

// ASCII moved up by 128 in the older set.
constexpr RuleCodeMap kOldCharset([](int c) { return c < 128 ? c : c - 128; }, kOldCharsetCodes);

// The older variant codes were moved in two steps; text of that time goes
// through both, the second taking the first's result.
constexpr CodePair kVariantStepOne[] = {
    {132, 215}, {133, 216}, {134, 217}, {135, 218}, {136, 219},
    {139, 220}, {145, 178}, {146, 179}, {147, 190},
};
constexpr CodePair kVariantStepTwo[] = {
    {178, 208}, {179, 211}, {190, 218}, {211, 220}, {212, 221}, {213, 222}, {214, 223},
    {215, 212}, {216, 213}, {217, 214}, {218, 215}, {219, 216}, {220, 219},
};
constexpr CodeMap kVariantsOne(kVariantStepOne);
constexpr CodeMap kVariantsTwo(kVariantStepTwo);

constexpr CodePair kOldQofDagesh[] = {{183, HebCode::QofDagesh}};
constexpr CodeMap kVariantsB(kOldQofDagesh);

// A byte that maps to 0 (the older set's 128) is left out rather than
// ending the result there.
template <typename Map>
void MapEachByte(LPCSTR text, CString& result, Map map) {
  std::string out;
  for (const BYTE* c = BytesOf(text); *c != 0; ++c) {
    if (const int code = map(*c)) out += static_cast<char>(code);
  }
  AssignBytes(result, out);
}

}  // namespace

int OldCharsetCharToHebChar(int c) { return kOldCharset[c]; }

void ConvertOldHebrewCharset(LPCSTR text, CString& result) {
  MapEachByte(text, result, [](BYTE c) { return kOldCharset[c]; });
}

void RemapCodeVariantsA(LPCSTR text, CString& result) {
  MapEachByte(text, result, [](BYTE c) { return kVariantsTwo[kVariantsOne[c]]; });
}

void RemapCodeVariantsB(LPCSTR text, CString& result) {
  MapEachByte(text, result, [](BYTE c) { return kVariantsB[c]; });
}
