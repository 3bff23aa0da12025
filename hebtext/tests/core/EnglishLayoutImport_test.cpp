// The English-layout import: the byte mapping and the vowel rewriting that
// follows it.
#include "hebtext/core/EnglishLayoutImport.h"

#include <gtest/gtest.h>

#include "hebtext/core/HebChar.h"
#include "hebtext/tests/core/ByteStrings.h"
#include "hebtext/tests/core/CodeList.h"

namespace {

using bytes::Codes;
using bytes::CodesOf;
using bytes::Text;
using namespace HebCode;

constexpr const char* kLayoutPairs =
    "39>44,44>250,46>245,47>46,59>243,65>185,66>176,67>161,68>162,69>184,70>171,71>210,"
    "72>169,73>206,74>209,75>172,76>170,77>182,78>174,79>253,80>180,81>251,82>248,83>163,"
    "84>186,85>202,86>164,87>252,88>177,89>168,90>166,96>59,97>249,98>240,99>225,100>226,"
    "101>247,102>235,103>242,104>233,105>239,106>231,107>236,108>234,109>246,110>238,"
    "111>237,112>244,113>47,114>248,115>227,116>224,117>229,118>228,119>39,120>241,121>232,"
    "122>230,124>196,130>189,131>193,132>195,133>194,134>198,135>197,136>196,137>192,"
    "138>200,139>199,140>203,145>96,146>39,147>34,148>34,149>204,150>45,151>45,152>188,"
    "153>200,155>45,156>205,161>193,162>195,163>194,164>198,165>197,166>196,167>192,"
    "168>200,169>199,170>203,171>201,172>211,173>208,174>198,175>197,176>196,177>192,"
    "178>200,179>199,180>203,181>201,187>201";

TEST(EnglishLayoutCharToHebChar, MapsEveryByte) {
  const std::map<int, int> listed = codelist::ParseMap(kLayoutPairs);
  for (int c = 0; c < 256; ++c) {
    const bool standsForItself = (c >= 9 && c <= 13) || (c >= 32 && c <= 126);
    const int want = listed.count(c) ? listed.at(c) : standsForItself ? c : 0;
    EXPECT_EQ(want, EnglishLayoutCharToHebChar(c)) << c;
  }
  EXPECT_EQ(Holam, EnglishLayoutCharToHebChar(171));
  EXPECT_EQ(Holam, EnglishLayoutCharToHebChar(181));
  EXPECT_EQ(Holam, EnglishLayoutCharToHebChar(187));
}

TEST(EnglishLayoutToHebrew, LeavesOutBytesWithNoCode) {
  CString text = Text({'s', 'l', 'o', 'm', 0x7F, 1, 0xC8, '\r', '\n', 0x95});
  EnglishLayoutToHebrew(text);
  EXPECT_EQ((Codes{Dalet, FinalKaf, FinalMem, Tsadi, '\r', '\n', Dagesh}), CodesOf(text));
}

TEST(ReorderVowelSequences, RewritesDoubleVowelsMetegAndGlyphs) {
  struct Case {
    const char* name;
    Codes in;
    Codes out;
  } cases[] = {
      {"letter and vowel stay", {Bet, Qamats, Gimel}, {Bet, Qamats, Gimel}},
      {"a second vowel is dropped", {Bet, Qamats, Patah, Gimel}, {Bet, Qamats, Gimel}},
      {"shuruk after a vowel is a consonant vav", {Bet, Qamats, Shuruk}, {Bet, Qamats, VavDagesh}},
      {"holam male after a vowel is vav with holam", {Bet, Qamats, HolamMale, Gimel},
       {Bet, Qamats, Vav, Holam, Gimel}},
      {"meteg after the vowel stresses it", {Bet, Qamats, Meteg}, {Bet, 216}},
      {"meteg before the vowel waits for it", {Bet, Meteg, Gimel, Qamats}, {Bet, Gimel, 216}},
      {"a meteg that finds no vowel is lost", {Bet, Meteg}, {Bet}},
      {"final kaf with dagesh and qamats", {188, Gimel}, {170, Qamats, Gimel}},
      {"lamed with dagesh and holam", {Bet, Patah, 189}, {Bet, Patah, 172, Holam}},
      {"final kaf with shva", {251}, {FinalKaf, Shva}},
      {"final kaf with qamats and meteg", {252, Meteg}, {FinalKaf, 216}},
      {"lamed with holam", {253, ' '}, {Lamed, Holam, ' '}},
      {"meteg flag carries to a glyph's vowel", {Meteg, 252}, {FinalKaf, 216}},
      {"a vowel left at the end is written", {Bet, Hiriq}, {Bet, Hiriq}},
      {"vowel at the start", {Qamats, Bet}, {Qamats, Bet}},
      {"empty", {}, {}},
  };
  for (const auto& c : cases) {
    CString text = Text(c.in);
    ReorderVowelSequences(text);
    EXPECT_EQ(c.out, CodesOf(text)) << c.name;
  }
}

}  // namespace
