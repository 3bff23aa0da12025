#include "lexicon/core/GrammarKeywords.h"

#include <cstring>

#include "classlib/core/CString.h"
#include "hebtext/core/HebChar.h"
#include "lexicon/core/TemplateCodes.h"

using namespace HebCode;

const GrammarKeyword g_vowelKeywords[] = {
    {"0", NoVowel},
    {"HIR", Hiriq},
    {"HIR_M", StressedHiriq},
    {"HIR_Y", HiriqYod},
    {"HIR_Y_M", StressedHiriqYod},
    {"HOL", HolamMale},
    {"HOL_M", StressedHolamMale},
    {"HOL_D", Holam},
    {"HOL_D_C", HolamVariant},
    {"HOL_D_M", StressedHolam},
    {"KAM", Qamats},
    {"KAM_M", StressedQamats},
    {"KAM_ALEF", QamatsAlef},
    {"KAM_ALEF_M", StressedQamatsAlef},
    {"KAM_Y", QamatsYod},
    {"KAM_Y_M", StressedQamatsYod},
    {"KAM_K", QamatsQatan},
    {"KAM_K_ALEF", QamatsQatanAlef},
    {"KAM_K_C", QamatsQatanVariant},
    {"KAM_K_M", StressedQamatsQatan},
    {"K_KAM", HatafQamats},
    {"K_PAT", HatafPatah},
    {"K_SEG", HatafSegol},
    {"KUB", Qubuts},
    {"KUB_M", StressedQubuts},
    {"MET", Meteg},
    {"NV", ExplicitNoVowel},
    {"PAT", Patah},
    {"PAT_M", StressedPatah},
    {"PAT_ALEF", PatahAlef},
    {"PAT_ALEF_M", StressedPatahAlef},
    {"PAT_Y", PatahYod},
    {"PAT_Y_M", StressedPatahYod},
    {"PAT_KAM", PatahForQamats},
    {"PAT_KAM_M", StressedPatahForQamats},
    {"SEG", Segol},
    {"SEG_M", StressedSegol},
    {"SEG_Y", SegolYod},
    {"SEG_Y_M", StressedSegolYod},
    {"SHU", Shuruk},
    {"SHU_M", StressedShuruk},
    {"SHV", Shva},
    {"SHV_P", VocalShva},
    {"SHV_S", SilentShva},
    {"SHV_FIRM", TemplateCode::kFirmShva},
    {"TSE", Tsere},
    {"TSE_M", StressedTsere},
    {"TSE_Y", TsereYod},
    {"TSE_Y_M", StressedTsereYod},
};
const size_t g_vowelKeywordCount = sizeof(g_vowelKeywords) / sizeof(g_vowelKeywords[0]);

// BK_DAG<k>: root letter k, with dagesh when it is begadkefat.
const GrammarKeyword g_letterKeywords[] = {
    {"BK_DAG1", TemplateCode::kBegadkefatDagesh + 1},
    {"BK_DAG2", TemplateCode::kBegadkefatDagesh + 2},
    {"BK_DAG3", TemplateCode::kBegadkefatDagesh + 3},
    {"BK_DAG4", TemplateCode::kBegadkefatDagesh + 4},
    {"BK_DAG5", TemplateCode::kBegadkefatDagesh + 5},
    {"ALEF", Alef},
    {"BET", BetDagesh},
    {"DALET", Dalet},
    {"HEY", He},
    {"HEY_D", HeMappiq},
    {"HYP", Hyphen},
    {"HYP_J", Maqaf},
    {"YUD", Yod},
    {"YUD_D", YodDagesh},
    {"YUD_DBL", YodDouble},
    {"LAMED", Lamed},
    {"MEM", Mem},
    {"MEM_D", MemDagesh},
    {"MEM_S", FinalMem},
    {"NUN", Nun},
    {"NUN_S", FinalNun},
    {"NUN_D", NunDagesh},
    {"SAMEKH", Samekh},
    {"AYIN", Ayin},
    {"RESH", Resh},
    {"SIN", ShinSinDot},
    {"SHIN", ShinShinDot},
    {"TAV", Tav},
    {"TAV_D", TavDagesh},
    {"VAV_D", VavDagesh},
    {"VAV", Vav},
};
const size_t g_letterKeywordCount = sizeof(g_letterKeywords) / sizeof(g_letterKeywords[0]);

namespace {

int LookupKeyword(const GrammarKeyword* table, size_t count, LPCSTR name) {
  for (size_t i = 0; i < count; ++i)
    if (std::strcmp(table[i].name, name) == 0) return table[i].code;
  return 0;
}

}  // namespace

int LookupVowelKeyword(LPCSTR name) {
  return LookupKeyword(g_vowelKeywords, g_vowelKeywordCount, name);
}

int LookupLetterKeyword(LPCSTR name) {
  return LookupKeyword(g_letterKeywords, g_letterKeywordCount, name);
}

std::string MissingKeywordMessage(LPCSTR name) {
  CString text;
  text.Format("Couldn't find %s!", name);
  return static_cast<LPCSTR>(text);
}
