// The older character set and the older assignments of the variant codes,
// each checked as its exact mapping over all 256 bytes.
#include "hebtext/core/LegacyCharsets.h"

#include <gtest/gtest.h>

#include "hebtext/tests/core/ByteStrings.h"
#include "hebtext/tests/core/CodeList.h"

namespace {

using bytes::Codes;
using bytes::CodesOf;

// Each byte 1..255 through the conversion, one at a time.
std::string MapMismatches(void (*convert)(LPCSTR, CString&), int (*unlisted)(int),
                          const char* pairs) {
  const std::map<int, int> listed = codelist::ParseMap(pairs);
  std::string mismatches;
  for (int c = 1; c < 256; ++c) {
    const auto it = listed.find(c);
    const int want = it != listed.end() ? it->second : unlisted(c);
    const char text[2] = {static_cast<char>(c), 0};
    CString result("stale");
    convert(text, result);
    const Codes got = CodesOf(result);
    if (got != (want ? Codes{want} : Codes{})) mismatches += " " + std::to_string(c) + ";";
  }
  return mismatches;
}

int Unchanged(int c) { return c; }

TEST(LegacyCharsets, OldCharsetMapsEveryByte) {
  const char* pairs =
      "2>128,3>129,34>197,36>218,38>215,39>192,40>214,41>213,42>219,43>212,44>250,45>199,"
      "46>245,47>196,52>130,54>131,55>137,57>216,59>243,60>186,62>222,63>201,65>185,66>176,"
      "67>161,68>162,69>184,70>171,71>220,72>169,73>202,74>221,75>172,76>170,77>182,78>174,"
      "79>206,80>180,81>211,83>163,84>223,85>165,86>164,87>208,88>177,89>168,90>166,92>203,"
      "93>200,95>194,96>198,97>249,98>240,99>225,100>226,101>247,102>235,103>242,104>233,"
      "105>239,106>231,107>236,108>234,109>246,110>238,111>237,112>244,113>210,114>248,"
      "115>227,116>224,117>229,118>228,119>209,120>241,121>232,122>230,125>195,126>193,"
      "133>138,134>140,135>141,136>142,137>143,138>144,139>148,140>149,141>150,142>151,"
      "143>152,144>153,145>154,146>155,147>156,148>157,149>158,150>159,151>145,152>146,"
      "153>147,154>132,155>133";
  const auto asciiMovedUp = [](int c) { return c < 128 ? c : c - 128; };
  EXPECT_EQ("", MapMismatches(ConvertOldHebrewCharset, asciiMovedUp, pairs));
  for (int c = 0; c < 256; ++c) {
    const auto listed = codelist::ParseMap(pairs);
    EXPECT_EQ(listed.count(c) ? listed.at(c) : asciiMovedUp(c), OldCharsetCharToHebChar(c)) << c;
  }
}

TEST(LegacyCharsets, OldCharsetLeavesOutItsNullByte) {
  CString result;
  ConvertOldHebrewCharset("0\x80" "1", result);
  EXPECT_EQ((Codes{'0', '1'}), CodesOf(result));
}

TEST(LegacyCharsets, VariantsAMapsEveryByteThroughBothSteps) {
  EXPECT_EQ("", MapMismatches(RemapCodeVariantsA, Unchanged,
                              "132>212,133>213,134>214,135>215,136>216,139>219,145>208,"
                              "146>211,147>218,178>208,179>211,190>218,211>220,212>221,"
                              "213>222,214>223,215>212,216>213,217>214,218>215,219>216,220>219"));
}

TEST(LegacyCharsets, VariantsBReplacesTheOldQofWithDagesh) {
  EXPECT_EQ("", MapMismatches(RemapCodeVariantsB, Unchanged, "183>184"));
  CString result;
  RemapCodeVariantsB("\xF7\xB7\xE0", result);
  EXPECT_EQ((Codes{0xF7, 0xB8, 0xE0}), CodesOf(result));
}

}  // namespace
