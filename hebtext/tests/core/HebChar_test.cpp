// Every class and mapping of the character code, checked as the exact set or
// mapping over all 256 codes, one table per family.
#include "hebtext/core/HebChar.h"

#include <gtest/gtest.h>

#include "hebtext/tests/core/CodeList.h"

namespace {

struct ClassCase {
  const char* name;
  int (*predicate)(int);
  const char* accepts;
};

void ExpectExactSets(const ClassCase* cases, size_t count) {
  for (size_t i = 0; i < count; ++i) {
    EXPECT_EQ("", codelist::SetMismatches(cases[i].predicate,
                                          codelist::ParseSet(cases[i].accepts)))
        << cases[i].name;
  }
}

TEST(HebCharClasses, LetterClassesAcceptExactlyTheirCodes) {
  const ClassCase cases[] = {
      {"IsHebrewLetter", IsHebrewLetter,
       "132,133,146,147,161-166,168-172,174,176,177,180,182,184-188,208-211,218,220-252"},
      {"IsDageshLetter", IsDageshLetter,
       "133,147,161-166,168-172,174,176,177,180,182,184-188,208,211,218"},
      {"IsDageshableLetter", IsDageshableLetter,
       "132,146,209,210,220,225-230,232-236,238,240,241,244,246,247,249-252"},
      {"IsFinalLetter", IsFinalLetter, "170,187,188,222,234,237,239,243,245,251,252"},
      {"HasFinalForm", HasFinalForm, "171,174,176,182,223,235,238,240,244,246"},
      {"IsFinalKafForm", IsFinalKafForm, "170,187,188,234,251,252"},
      {"IsGutturalLetter", IsGutturalLetter, "164,224,228,231,242"},
      {"IsAlefOrAyin", IsAlefOrAyin, "224,242"},
      {"IsLabialLetter", IsLabialLetter, "161,174,180,225,229,238,244"},
      {"IsBegadkefatLetter", IsBegadkefatLetter,
       "161,162,163,171,180,186,225,226,227,235,244,250"},
      {"IsSibilantLetter", IsSibilantLetter,
       "166,177,182,185,208-211,221,223,230,241,246,249"},
      {"IsLetterWithTick", IsLetterWithTick, "218,220,221,223"},
      {"IsYodForm", IsYodForm, "132,133,146,147,169,233"},
      {"IsYodVariantA", IsYodVariantA, "132,133"},
      {"IsYodVariantB", IsYodVariantB, "146,147"},
      {"IsAlef", IsAlef, "224"},
      {"IsBet", IsBet, "161,225"},
      {"IsGimel", IsGimel, "162,226"},
      {"IsDalet", IsDalet, "163,227"},
      {"IsHe", IsHe, "164,228"},
      {"IsVav", IsVav, "165,229"},
      {"IsZayin", IsZayin, "166,230"},
      {"IsTet", IsTet, "168,232"},
      {"IsKaf", IsKaf, "171,235"},
      {"IsLamed", IsLamed, "172,236"},
      {"IsMem", IsMem, "174,238"},
      {"IsNun", IsNun, "176,240"},
      {"IsSamekh", IsSamekh, "177,241"},
      {"IsPe", IsPe, "180,244"},
      {"IsTsadi", IsTsadi, "182,246"},
      {"IsQof", IsQof, "184,247"},
      {"IsResh", IsResh, "248"},
      {"IsShin", IsShin, "185,249"},
      {"IsTav", IsTav, "186,250"},
      {"IsShinWithShinDot", IsShinWithShinDot, "185,208,209,249"},
      {"IsShinWithSinDot", IsShinWithSinDot, "185,210,211,249"},
      {"IsLetterOrShuruk", IsLetterOrShuruk,
       "132,133,137,146,147,161-166,168-172,174,176,177,180,182,184-188,202,208-211,218,"
       "220-252"},
  };
  ExpectExactSets(cases, std::size(cases));
  EXPECT_EQ(63u, codelist::ParseSet(cases[0].accepts).size());
}

TEST(HebCharClasses, VowelClassesAcceptExactlyTheirCodes) {
  const ClassCase cases[] = {
      {"IsVowelCode", IsVowelCode,
       "1,128-131,134-138,140-145,148-157,159,192-203,206,212-216,219"},
      {"IsNonVavVowel", IsNonVavVowel,
       "1,128,129,131,134-136,138,140-145,148-157,159,192-201,203,212-216,219"},
      {"IsVavVowel", IsVavVowel, "130,137,202,206"},
      {"IsDageshOrMeteg", IsDageshOrMeteg, "204,205"},
      {"IsShva", IsShva, "156,157,192"},
      {"IsNoVowel", IsNoVowel, "0,1"},
      {"IsNoVowelOrShva", IsNoVowelOrShva, "0,1,156,157,192"},
      {"IsHatafVowel", IsHatafVowel, "193,194,195"},
      {"IsHiriqForm", IsHiriqForm, "141,142,196,212"},
      {"IsTsereForm", IsTsereForm, "143,144,197,213"},
      {"IsSegolForm", IsSegolForm, "138,140,198,214"},
      {"IsPatahForm", IsPatahForm, "134,135,152-155,199,215"},
      {"IsPatahVariant", IsPatahVariant, "134,135"},
      {"IsQamatsForm", IsQamatsForm, "148-151,200,216"},
      {"IsQamatsQatan", IsQamatsQatan, "128,129,136,159"},
      {"IsPatahOrQamatsForm", IsPatahOrQamatsForm, "134,135,148-155,199,200,215,216"},
      {"IsPatahOrQamatsPlain", IsPatahOrQamatsPlain, "199,200,215,216"},
      {"IsQamatsPatahVariant", IsQamatsPatahVariant, "150-153"},
      {"IsHiriqOrNoVowel", IsHiriqOrNoVowel, "0,1,141,142,196,212"},
      {"IsTsereOrNoVowel", IsTsereOrNoVowel, "0,1,143,144,197,213"},
      {"IsQamatsOrNoVowel", IsQamatsOrNoVowel, "0,1,148,149,200,216"},
      {"IsHolamForm", IsHolamForm, "131,145,201"},
      {"IsHolamMale", IsHolamMale, "130,206"},
      {"IsShuruk", IsShuruk, "137,202"},
      {"IsQubutsForm", IsQubutsForm, "203,219"},
      {"IsVowelVariant", IsVowelVariant, "138,140-144,148,149,154,155"},
      {"HasVowelVariant", HasVowelVariant, "196-200,203,212-216,219"},
      {"IsStressedVowel", IsStressedVowel,
       "129,130,131,135,137,140,142,144,149,151,153,155,212-216,219"},
      {"IsStressableVowel", IsStressableVowel,
       "128,134,136,138,141,143,145,148,154,159,196-203,206"},
      {"HasAlternateVowel", HasAlternateVowel,
       "1,130,131,137,156,157,192,201,202,203,206,219"},
  };
  ExpectExactSets(cases, std::size(cases));
}

TEST(HebCharClasses, TextClassesAcceptExactlyTheirCodes) {
  const ClassCase cases[] = {
      {"IsDigitCode", IsDigitCode, "48-57"},
      {"IsAlpha", IsAlpha, "65-90,97-122"},
      {"IsAsciiPunct", IsAsciiPunct, "33-47,58-64,91-96,123-126"},
      {"IsQuoteMark", IsQuoteMark, "34,39"},
      {"IsWordChar", IsWordChar,
       "34,39,44,48-57,132,133,137,146,147,161-166,168-172,174,176,177,180,182,184-188,202,"
       "208-211,218,220-252"},
      {"IsBlankCode", IsBlankCode, "9,12,13,32"},
      {"IsFormFeedOrCR", IsFormFeedOrCR, "12,13"},
      {"IsWordSeparator", IsWordSeparator, "9,12,13,32,45"},
      {"IsWordSeparatorOrMaqaf", IsWordSeparatorOrMaqaf, "9,12,13,32,45,158"},
      {"IsSpaceOrHyphen", IsSpaceOrHyphen, "32,45"},
      {"IsSpaceHyphenOrMaqaf", IsSpaceHyphenOrMaqaf, "32,45,158"},
      {"IsWordBreakChar", IsWordBreakChar,
       "0,9,12,13,32,33,35-38,40-47,58-64,91-96,123-126,158"},
  };
  ExpectExactSets(cases, std::size(cases));
}

TEST(HebCharClasses, CodesNotInUseAreInNoClassExceptWhereListed) {
  // Old qof with dagesh and the font's holam glyphs must not pass as text.
  for (int c : {2, 8, 10, 11, 127, 139, 160, 167, 173, 175, 178, 179, 181, 183, 189, 190, 191,
                207, 217, 253, 254, 255}) {
    EXPECT_EQ(0, IsHebrewLetter(c) | IsVowelCode(c) | IsDageshOrMeteg(c) | IsWordChar(c) |
                     IsWordBreakChar(c) | IsAsciiPunct(c))
        << c;
  }
}

struct PointingCase {
  int letter;
  int vowel;
  int forbidden;
};

TEST(HebCharClasses, FinalOrHatafPointing) {
  const PointingCase cases[] = {
      {HebCode::FinalMem, 0, 1},                     // a final letter takes no vowel at all
      {HebCode::FinalNun, HebCode::Shva, 1},
      {HebCode::FinalKaf, 150, 0},                   // final kaf with a qamats variant
      {HebCode::FinalKaf, HebCode::Shva, 0},
      {251, 157, 0},                                 // final kaf glyph with a shva variant
      {188, HebCode::Qamats, 0},
      {HebCode::FinalKaf, HebCode::Patah, 1},
      {HebCode::FinalKaf, 0, 1},
      {HebCode::HeMappiq, HebCode::HatafPatah, 0},   // gutturals take hataf
      {HebCode::Alef, HebCode::HatafSegol, 0},
      {HebCode::Ayin, HebCode::HatafQamats, 0},
      {HebCode::Bet, HebCode::HatafPatah, 1},
      {HebCode::Bet, HebCode::Patah, 0},
      {HebCode::Resh, HebCode::HatafPatah, 1},
  };
  for (const PointingCase& c : cases) {
    EXPECT_EQ(c.forbidden, IsFinalOrHatafPointing(c.letter, c.vowel))
        << c.letter << " with " << c.vowel;
  }
}

struct MapCase {
  const char* name;
  int (*mapping)(int);
  const char* pairs;
  bool keepsHighBits;
};

TEST(HebCharMappings, EachMapsExactlyItsPairs) {
  const MapCase cases[] = {
      {"RemoveDagesh", RemoveDagesh,
       "133>132,147>146,161>225,162>226,163>227,164>228,165>229,166>230,168>232,169>233,"
       "170>234,171>235,172>236,174>238,176>240,177>241,180>244,182>246,184>247,185>249,"
       "186>250,187>251,188>252,208>209,211>210,218>220",
       true},
      {"AddDagesh", AddDagesh,
       "132>133,146>147,225>161,226>162,227>163,228>164,229>165,230>166,232>168,233>169,"
       "234>170,235>171,236>172,238>174,240>176,241>177,244>180,246>182,247>184,249>185,"
       "250>186,251>187,252>188,209>208,210>211,220>218",
       true},
      {"FinalToRegularLetter", FinalToRegularLetter,
       "170>171,187>171,188>171,222>223,234>235,237>238,239>240,243>244,245>246,251>235,"
       "252>235",
       false},
      {"RegularToFinalLetter", RegularToFinalLetter,
       "171>170,174>237,176>239,182>245,223>222,235>234,238>237,240>239,244>243,246>245",
       false},
      {"HatafToFullVowel", HatafToFullVowel, "193>198,194>199,195>200", true},
      {"ToggleVavVowel", ToggleVavVowel,
       "1>192,156>1,157>1,192>1,201>206,131>206,206>201,130>201,203>202,219>202,202>203,"
       "137>203",
       true},
      {"AddStressMark", AddStressMark,
       "128>129,136>129,159>129,134>135,138>140,141>142,143>144,145>131,201>131,148>149,"
       "150>151,152>153,154>155,196>212,197>213,198>214,199>215,200>216,202>137,203>219,"
       "206>130",
       true},
      {"RemoveStressMark", RemoveStressMark,
       "129>128,130>206,131>201,135>134,137>202,140>138,142>141,144>143,149>148,151>150,"
       "153>152,155>154,212>196,213>197,214>198,215>199,216>200,219>203",
       true},
      {"VowelVariantToPlain", VowelVariantToPlain,
       "138>198,140>214,141>196,142>212,143>197,144>213,148>200,149>216,154>199,155>215",
       true},
      {"PlainToVowelVariant", PlainToVowelVariant,
       "196>141,197>143,198>138,199>154,200>148,212>142,213>144,214>140,215>155,216>149",
       true},
      {"QamatsPatahVariantToPlain", QamatsPatahVariantToPlain,
       "150>200,151>216,152>199,153>215", true},
      {"PlainToQamatsPatahVariant", PlainToQamatsPatahVariant,
       "199>152,200>150,215>153,216>151", true},
  };
  for (const MapCase& c : cases) {
    EXPECT_EQ("", codelist::MapMismatches(c.mapping, codelist::ParseMap(c.pairs),
                                          c.keepsHighBits))
        << c.name;
  }
}

TEST(HebCharMappings, RoundTripsComeBackAsTheLettersAndVowelsThemselves) {
  for (int c = 0; c < 256; ++c) {
    if (AddDagesh(c) != c) {
      EXPECT_EQ(c, RemoveDagesh(AddDagesh(c))) << c;
    }
  }
  // Letters that never take dagesh, and the old qof code, stay as they are.
  for (int c : {HebCode::Alef, HebCode::Het, HebCode::Ayin, HebCode::Resh, HebCode::FinalMem,
                HebCode::FinalNun, HebCode::FinalPe, HebCode::FinalTsadi, 183}) {
    EXPECT_EQ(c, AddDagesh(c)) << c;
  }
  EXPECT_EQ(HebCode::QofDagesh, AddDagesh(HebCode::Qof));
  EXPECT_EQ(HebCode::Qof, RemoveDagesh(HebCode::QofDagesh));
  // A stressed qamats qatan always comes back as 128.
  EXPECT_EQ(128, RemoveStressMark(AddStressMark(136)));
  EXPECT_EQ(128, RemoveStressMark(AddStressMark(159)));
  // Toggling twice restores the unstressed vowels, folds the shva variants
  // into shva and drops the stress.
  const std::map<int, int> twice = codelist::ParseMap(
      "201>201,206>206,202>202,203>203,192>192,1>1,156>192,157>192,130>206,131>201,"
      "137>202,219>203");
  for (const auto& [from, to] : twice) EXPECT_EQ(to, ToggleVavVowel(ToggleVavVowel(from))) << from;
}

}  // namespace
