#include "lexicon/core/GrammarKeywords.h"

#include <cstring>

#include "classlib/core/CString.h"
#include "lexicon/core/UserMessage.h"

const GrammarKeyword g_vowelKeywords[] = {
    {"0", 0},           {"HIR", 196},        {"HIR_M", 212},     {"HIR_Y", 141},
    {"HIR_Y_M", 142},   {"HOL", 206},        {"HOL_M", 130},     {"HOL_D", 201},
    {"HOL_D_C", 145},   {"HOL_D_M", 131},    {"KAM", 200},       {"KAM_M", 216},
    {"KAM_ALEF", 150},  {"KAM_ALEF_M", 151}, {"KAM_Y", 148},     {"KAM_Y_M", 149},
    {"KAM_K", 128},     {"KAM_K_ALEF", 136}, {"KAM_K_C", 159},   {"KAM_K_M", 129},
    {"K_KAM", 195},     {"K_PAT", 194},      {"K_SEG", 193},     {"KUB", 203},
    {"KUB_M", 219},     {"MET", 205},        {"NV", 1},          {"PAT", 199},
    {"PAT_M", 215},     {"PAT_ALEF", 152},   {"PAT_ALEF_M", 153}, {"PAT_Y", 154},
    {"PAT_Y_M", 155},   {"PAT_KAM", 134},    {"PAT_KAM_M", 135}, {"SEG", 198},
    {"SEG_M", 214},     {"SEG_Y", 138},      {"SEG_Y_M", 140},   {"SHU", 202},
    {"SHU_M", 137},     {"SHV", 192},        {"SHV_P", 156},     {"SHV_S", 157},
    {"SHV_FIRM", 8},    {"TSE", 197},        {"TSE_M", 213},     {"TSE_Y", 143},
    {"TSE_Y_M", 144},
};
const size_t g_vowelKeywordCount = sizeof(g_vowelKeywords) / sizeof(g_vowelKeywords[0]);

const GrammarKeyword g_letterKeywords[] = {
    {"BK_DAG1", 21}, {"BK_DAG2", 22}, {"BK_DAG3", 23}, {"BK_DAG4", 24},
    {"BK_DAG5", 25}, {"ALEF", 224},   {"BET", 161},    {"DALET", 227},
    {"HEY", 228},    {"HEY_D", 164},  {"HYP", 45},     {"HYP_J", 158},
    {"YUD", 233},    {"YUD_D", 169},  {"YUD_DBL", 132}, {"LAMED", 236},
    {"MEM", 238},    {"MEM_D", 174},  {"MEM_S", 237},  {"NUN", 240},
    {"NUN_S", 239},  {"NUN_D", 176},  {"SAMEKH", 241}, {"AYIN", 242},
    {"RESH", 248},   {"SIN", 210},    {"SHIN", 209},   {"TAV", 250},
    {"TAV_D", 186},  {"VAV_D", 165},  {"VAV", 229},
};
const size_t g_letterKeywordCount = sizeof(g_letterKeywords) / sizeof(g_letterKeywords[0]);

namespace {

int LookupKeyword(const GrammarKeyword* table, size_t count, LPCSTR name, BOOL report) {
  for (size_t i = 0; i < count; ++i)
    if (std::strcmp(table[i].name, name) == 0) return table[i].code;
  if (report) ReportMissingKeyword(name);
  return 0;
}

}  // namespace

int LookupVowelKeyword(LPCSTR name, BOOL report) {
  return LookupKeyword(g_vowelKeywords, g_vowelKeywordCount, name, report);
}

int LookupLetterKeyword(LPCSTR name, BOOL report) {
  return LookupKeyword(g_letterKeywords, g_letterKeywordCount, name, report);
}

void ReportMissingKeyword(LPCSTR name) {
  CString text;
  text.Format("Couldn't find %s!", name);
  ShowUserMessage(text);
}
