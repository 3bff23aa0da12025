#include "testing/win/PrintedPdfs.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "testing/win/LinuxCommand.h"
#include "testing/win/WaitFor.h"

namespace {

constexpr char kOutputVariable[] = "ZULTA_PRINT_OUTPUT";
// Where the checks put what the tools make of the PDFs.
std::string ScratchFolder() { return PrintOutputFolder() + "-checks"; }
// A command whose files go to the scratch folder.
int RunInScratchFolder(const std::string& commandLine) {
  return RunLinuxCommand("mkdir -p '" + ScratchFolder() + "'; " + commandLine);
}

// A binary PPM (P6) file as pdftoppm writes it; empty when unreadable.
RgbImage ReadPpm(const std::string& unixPath) {
  RgbImage image;
  std::ifstream in(LinuxPathOnDriveZ(unixPath), std::ios::binary);
  std::string magic;
  int nMaxValue = 0;
  in >> magic >> image.width >> image.height >> nMaxValue;
  in.get();  // the one white-space character before the pixels
  if (!in || magic != "P6" || nMaxValue != 255) return RgbImage();
  image.pixels.resize(static_cast<size_t>(image.width) * image.height * 3);
  in.read(reinterpret_cast<char*>(image.pixels.data()),
          static_cast<std::streamsize>(image.pixels.size()));
  return in ? image : RgbImage();
}

}  // namespace

std::string PrintOutputFolder() {
  const char* pszFolder = std::getenv(kOutputVariable);
  return pszFolder != nullptr ? pszFolder : "";
}

std::vector<std::string> PrintedPdfs() {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  HANDLE hFind =
      ::FindFirstFileA(LinuxPathOnDriveZ(PrintOutputFolder() + "/*.pdf").c_str(), &found);
  if (hFind == INVALID_HANDLE_VALUE) return names;
  do names.push_back(found.cFileName);
  while (::FindNextFileA(hFind, &found));
  ::FindClose(hFind);
  return names;
}

std::string WaitForNewPdf(const std::vector<std::string>& before) {
  std::string newPdf;
  WaitFor([&] {
    for (const std::string& name : PrintedPdfs())
      if (std::find(before.begin(), before.end(), name) == before.end()) newPdf = name;
    return !newPdf.empty();
  });
  return newPdf;
}

int PdfPageCount(const std::string& pdfName) {
  const std::string infoPath = ScratchFolder() + "/info.txt";
  if (RunInScratchFolder("pdfinfo '" + PrintOutputFolder() + "/" + pdfName + "' > '" + infoPath +
                         "'") != 0)
    return -1;
  std::ifstream in(LinuxPathOnDriveZ(infoPath));
  for (std::string line; std::getline(in, line);) {
    if (line.rfind("Pages:", 0) == 0) return std::atoi(line.c_str() + 6);
  }
  return -1;
}

std::vector<RgbImage> PdfPageImages(const std::string& pdfName, int nDpi) {
  std::vector<RgbImage> images;
  const std::string prefix = ScratchFolder() + "/page";
  std::ostringstream command;
  command << "rm -f '" << prefix << "'-*.ppm && pdftoppm -r " << nDpi << " '" << PrintOutputFolder()
          << "/" << pdfName << "' '" << prefix << "'";
  if (RunInScratchFolder(command.str()) != 0) return images;
  // pdftoppm numbers the pages from 1, with as many digits as the last needs.
  const int nPages = PdfPageCount(pdfName);
  const int nDigits = static_cast<int>(std::to_string(nPages).size());
  for (int nPage = 1; nPage <= nPages; ++nPage) {
    char szName[32];
    std::snprintf(szName, sizeof szName, "-%0*d.ppm", nDigits, nPage);
    images.push_back(ReadPpm(prefix + szName));
  }
  return images;
}

bool IsNearColor(uint32_t rgb, COLORREF expected) {
  // PDF renderers and screen scaling smooth colours a little.
  constexpr int kTolerance = 48;
  const int nExpected[] = {GetRValue(expected), GetGValue(expected), GetBValue(expected)};
  for (int nChannel = 0; nChannel < 3; ++nChannel) {
    const int nValue = static_cast<int>((rgb >> (16 - 8 * nChannel)) & 0xFF);
    if (std::abs(nValue - nExpected[nChannel]) > kTolerance) return false;
  }
  return true;
}

