#include "speech/win/CSpeakAnimDlg.h"

#include <cstdlib>
#include <ctime>
#include <iterator>

#include "classlib/win/CWinApp.h"
#include "classlib/win/MessageMap.h"
#include "classlib/win/WindowDCs.h"
#include "hebtext/core/Preferences.h"
#include "hebtext/win/SystemPreferences.h"
#include "resources/SpeakAnimIds.h"
#include "speech/core/SpeechMessages.h"
#include "speech/win/SpeechStop.h"

namespace {

CSpeakAnimDlg* g_active = nullptr;

struct FacePictures {
  LPCSTR picture;
  LPCSTR parts;
};
const FacePictures kPictures[kFaceCount] = {
    {nullptr, nullptr},
    {"FACE_NERLA", "FACE_NERLA_MOUTHS"},
    {"FACE_STAR", "FACE_STAR_PATTERN"},
    {"FACE_DREIDEL", nullptr},
    {"FACE_MENORAH", "FACE_MENORAH_FLAMES"},
};

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kStarPen = RGB(0, 0, 160);
const COLORREF kDreidelMouth = RGB(60, 255, 255);
constexpr int kMouthPen = 2;
constexpr int kCaptionLength = 256;
constexpr int kMouthCellWidth = kNerlaMouthArea.right - kNerlaMouthArea.left;
constexpr int kMouthCellHeight = kNerlaMouthArea.bottom - kNerlaMouthArea.top;

void FillWhite(HDC dc, const FaceRect& r) {
  RECT rect = {r.left, r.top, r.right, r.bottom};
  HBRUSH white = static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
  ::FillRect(dc, &rect, white);
}

// Draws with a pen (and brush) selected for the call only.
template <typename Draw>
void WithPenAndBrush(HDC dc, COLORREF penColour, HBRUSH brush, Draw draw) {
  HPEN pen = ::CreatePen(PS_SOLID, kMouthPen, penColour);
  HGDIOBJ oldPen = ::SelectObject(dc, pen);
  HGDIOBJ oldBrush = ::SelectObject(dc, brush);
  draw();
  ::SelectObject(dc, oldBrush);
  ::SelectObject(dc, oldPen);
  ::DeleteObject(pen);
}

}  // namespace

BEGIN_MESSAGE_MAP(CSpeakAnimDlg, CDialog)
  ON_WM_PAINT()
  ON_WM_ERASEBKGND()
  ON_WM_TIMER()
  ON_WM_LBUTTONDOWN()
  ON_WM_DESTROY()
  ON_MESSAGE(WM_SPEECH_PHONEME, OnPhoneme)
END_MESSAGE_MAP()

CSpeakAnimDlg::CSpeakAnimDlg(int face, CWnd* pParent)
    : CDialog(IDD_SPEAK_ANIM, pParent),
      m_face(face > kFaceNone && face < kFaceCount ? face : kFaceNerla),
      m_hParent(pParent != nullptr ? pParent->m_hWnd : nullptr) {
  ::srand(static_cast<unsigned>(::time(nullptr)));
}

CSpeakAnimDlg::~CSpeakAnimDlg() {
  if (g_active == this) g_active = nullptr;
}

BOOL CSpeakAnimDlg::Create() { return CDialog::Create(IDD_SPEAK_ANIM, m_pParentWnd); }

CSpeakAnimDlg* CSpeakAnimDlg::Active() {
  return g_active != nullptr && ::IsWindow(g_active->m_hWnd) ? g_active : nullptr;
}

void CSpeakAnimDlg::LoadPictures() {
  HINSTANCE resources = AfxGetResourceHandle();
  m_facePicture.Attach(::LoadBitmapA(resources, kPictures[m_face].picture));
  if (kPictures[m_face].parts != nullptr) {
    m_parts.Attach(::LoadBitmapA(resources, kPictures[m_face].parts));
  }
  CClientDC screen(nullptr);
  const CSize size = PictureSize();
  m_memDC.CreateCompatibleDC(&screen);
  m_canvas.CreateCompatibleBitmap(&screen, size.cx, size.cy);
  ::SelectObject(m_memDC, m_canvas);
  m_partsDC = std::make_unique<CDC>();
  m_partsDC->CreateCompatibleDC(&screen);
}

CSize CSpeakAnimDlg::PictureSize() const {
  BITMAP info = {};
  if (m_facePicture.GetSafeHandle() == nullptr) return CSize(0, 0);
  m_facePicture.GetBitmap(&info);
  return CSize(info.bmWidth, info.bmHeight);
}

BOOL CSpeakAnimDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  g_active = this;
  LoadPictures();
  RestFace();
  PlaceOverParent();
  StartAnimation();
  return TRUE;
}

void CSpeakAnimDlg::PlaceOverParent() {
  const CSize picture = PictureSize();
  const int width = picture.cx + 2 * ::GetSystemMetrics(SM_CXDLGFRAME);
  const int height =
      picture.cy + 2 * ::GetSystemMetrics(SM_CYDLGFRAME) + ::GetSystemMetrics(SM_CYCAPTION);
  RECT stored;
  LoadWindowRect(stored, PositionKey());
  UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
  if (stored.left == -1 && stored.right == -1) flags |= SWP_NOMOVE;
  ::SetWindowPos(m_hWnd, nullptr, stored.left, stored.top, width, height, flags);
}

CString CSpeakAnimDlg::PositionKey() const {
  char caption[kCaptionLength] = "";
  if (m_hParent != nullptr) ::GetWindowTextA(m_hParent, caption, kCaptionLength);
  return WindowRectKeyForCaption(caption);
}

void CSpeakAnimDlg::RestFace() {
  const CSize size = PictureSize();
  HGDIOBJ old = ::SelectObject(*m_partsDC, m_facePicture);
  ::BitBlt(m_memDC, 0, 0, size.cx, size.cy, *m_partsDC, 0, 0, SRCCOPY);
  ::SelectObject(*m_partsDC, old);
  m_mouthRow = kNerlaRestRow;
  m_mouthColumn = kNerlaRestColumn;
  if (m_face == kFaceNerla) DrawNerlaCell(m_mouthRow, m_mouthColumn);
}

void CSpeakAnimDlg::DrawNerlaCell(int row, int column) {
  HGDIOBJ old = ::SelectObject(*m_partsDC, m_parts);
  ::BitBlt(m_memDC, kNerlaMouthArea.left, kNerlaMouthArea.top, kMouthCellWidth, kMouthCellHeight,
           *m_partsDC, column * kMouthCellWidth, row * kMouthCellHeight, SRCCOPY);
  ::SelectObject(*m_partsDC, old);
}

void CSpeakAnimDlg::DrawFlames(bool centreOnly) {
  HGDIOBJ old = ::SelectObject(*m_partsDC, m_parts);
  if (centreOnly) {
    const int frame = ::rand() % kFlameFrames;
    ::StretchBlt(m_memDC, kCentreFlame.left, kCentreFlame.top,
                 kCentreFlame.right - kCentreFlame.left, kCentreFlame.bottom - kCentreFlame.top,
                 *m_partsDC, frame * kFlameWidth, 0, kFlameWidth, kFlameHeight, SRCCOPY);
  } else {
    for (const FacePoint& base : kFlameBases) {
      const int frame = ::rand() % kFlameFrames;
      ::BitBlt(m_memDC, base.x - kFlameWidth, base.y - kFlameHeight, kFlameWidth, kFlameHeight,
               *m_partsDC, frame * kFlameWidth, 0, SRCCOPY);
    }
  }
  ::SelectObject(*m_partsDC, old);
}

void CSpeakAnimDlg::DrawMouth(BYTE opening, BYTE width) {
  HDC dc = m_memDC;
  switch (m_face) {
    case kFaceNerla: {
      const MouthCell cell = NerlaMouthCell(opening, width);
      m_mouthRow = cell.row;
      m_mouthColumn = cell.column;
      DrawNerlaCell(cell.row, cell.column);
      break;
    }
    case kFaceStar: {
      FillWhite(dc, kStarMouthFrame);
      const FaceRect mouth = StarMouthEllipse(opening, width);
      HBRUSH pattern = ::CreatePatternBrush(m_parts);
      WithPenAndBrush(dc, kStarPen, pattern,
                      [&] { ::Ellipse(dc, mouth.left, mouth.top, mouth.right, mouth.bottom); });
      ::DeleteObject(pattern);
      break;
    }
    case kFaceDreidel: {
      for (const FaceRect& strip : kDreidelMouthStrips) FillWhite(dc, strip);
      const DreidelMouth mouth = DreidelMouthLine(opening, width);
      const COLORREF ink = ::GetPixel(dc, kDreidelInkPixel.x, kDreidelInkPixel.y);
      POINT points[3];
      for (int i = 0; i < 3; ++i) points[i] = POINT{mouth.points[i].x, mouth.points[i].y};
      HBRUSH fill = ::CreateSolidBrush(kDreidelMouth);
      WithPenAndBrush(dc, ink, fill, [&] {
        ::Polyline(dc, points, 3);
        ::ExtFloodFill(dc, mouth.fillFrom.x, mouth.fillFrom.y, kWhite, FLOODFILLSURFACE);
      });
      ::DeleteObject(fill);
      break;
    }
    case kFaceMenorah: {
      DrawFlames(true);
      const FaceRect mouth = MenorahMouthEllipse(opening, width);
      WithPenAndBrush(dc, kBlack, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)),
                      [&] { ::Ellipse(dc, mouth.left, mouth.top, mouth.right, mouth.bottom); });
      break;
    }
    default:
      break;
  }
}

LRESULT CSpeakAnimDlg::OnPhoneme(WPARAM, LPARAM lParam) {
  if (lParam == 0) return 0;
  const PhonemeNotice notice = UnpackPhonemeNotice(lParam);
  if (m_stopped || notice.code == kPhonemeSilence) {
    if (m_face == kFaceNerla) RestFace();
    if (m_face == kFaceMenorah) StopAnimation();
    Invalidate(FALSE);
    return 0;
  }
  DrawMouth(notice.opening, notice.width);
  Invalidate(FALSE);
  if (m_hNotify != nullptr && ::GetFocus() != m_hNotify) ::SetFocus(m_hNotify);
  return 0;
}

void CSpeakAnimDlg::SetNotifyWindow(HWND hNotify) {
  m_hNotify = hNotify;
  m_stopped = false;
}

void CSpeakAnimDlg::StartAnimation() {
  if (m_face == kFaceMenorah && m_timer == 0) m_timer = SetTimer(kFlameTimer, kFlameMs, nullptr);
}

void CSpeakAnimDlg::StopAnimation() {
  if (m_timer != 0) KillTimer(m_timer);
  m_timer = 0;
}

void CSpeakAnimDlg::OnTimer(UINT_PTR nIDEvent) {
  if (nIDEvent != kFlameTimer) return;
  DrawFlames(false);
  Invalidate(FALSE);
}

void CSpeakAnimDlg::StopSpeaking() {
  if (!StopSpeechOutput()) return;
  m_stopped = true;
  if (m_face == kFaceNerla) RestFace();
  Invalidate(FALSE);
}

void CSpeakAnimDlg::OnLButtonDown(UINT, CPoint) { StopSpeaking(); }

void CSpeakAnimDlg::OnCancel() {
  CDialog::OnCancel();
  if (CWnd* pMain = AfxGetMainWnd()) pMain->PostMessage(WM_SPEECH_CANCEL, 0, 0);
}

BOOL CSpeakAnimDlg::OnEraseBkgnd(CDC*) { return TRUE; }

void CSpeakAnimDlg::OnPaint() {
  CPaintDC dc(this);
  const CSize size = PictureSize();
  ::BitBlt(dc, 0, 0, size.cx, size.cy, m_memDC, 0, 0, SRCCOPY);
}

void CSpeakAnimDlg::OnDestroy() {
  StopAnimation();
  RECT placed;
  GetWindowRect(&placed);
  SaveWindowRect(placed, PositionKey());
  if (g_active == this) g_active = nullptr;
  CDialog::OnDestroy();
}
