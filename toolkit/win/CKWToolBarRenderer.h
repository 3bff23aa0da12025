// How toolbar buttons look: the toolbar asks the renderer of the current look
// for painters. The plain renderer (the classic look) has none, so the
// toolbar draws its buttons itself; the flat renderer's painters draw flat
// faces tinted with the highlight colour. The dock context tells the
// renderer while a bar is dragged, so that no button shows pressed then.
#pragma once

#include <windows.h>

class CDC;
class CWnd;
class CKWToolBar;

class CKWComboPainter {
 public:
  virtual ~CKWComboPainter() = default;
  virtual void DrawCombo(CWnd* pCombo, CDC* pDC, BOOL bHot) = 0;
};

class CKWButtonPainter {
 public:
  virtual ~CKWButtonPainter() = default;
  virtual void EraseButton(CDC* pDC, CKWToolBar* pBar, int nIndex) = 0;
  // TRUE: the button is drawn, the control draws nothing more.
  virtual BOOL DrawButton(CDC* pDC, CKWToolBar* pBar, int nIndex) = 0;
  virtual void DrawSeparator(CDC* pDC, CKWToolBar* pBar, int nIndex) = 0;
  // The shadow beside the button whose menu is open.
  virtual void DrawDropShadow(CDC* pDC, CKWToolBar* pBar, int nIndex) = 0;
  // Repaints the button with its shadow's room.
  virtual void InvalidateButton(CKWToolBar* pBar, int nIndex) = 0;
};

class CKWToolBarRenderer {
 public:
  virtual ~CKWToolBarRenderer() = default;
  // The renderers are process-wide; callers never own what they get.
  virtual CKWComboPainter* GetComboPainter() = 0;
  virtual CKWButtonPainter* GetButtonPainter() = 0;
  virtual void SetDragging(BOOL bDragging) = 0;
};

class CKWRendererState {
 public:
  virtual ~CKWRendererState() = default;
  virtual BYTE IsDragging() const = 0;
};

class CKWFlatComboPainter : public CKWComboPainter {
 public:
  explicit CKWFlatComboPainter(const CKWRendererState* pState) : m_pState(pState) {}
  void DrawCombo(CWnd* pCombo, CDC* pDC, BOOL bHot) override;

 private:
  const CKWRendererState* m_pState;
};

class CKWFlatButtonPainter : public CKWButtonPainter {
 public:
  explicit CKWFlatButtonPainter(const CKWRendererState* pState) : m_pState(pState) {}
  void EraseButton(CDC* pDC, CKWToolBar* pBar, int nIndex) override;
  BOOL DrawButton(CDC* pDC, CKWToolBar* pBar, int nIndex) override;
  void DrawSeparator(CDC* pDC, CKWToolBar* pBar, int nIndex) override;
  void DrawDropShadow(CDC* pDC, CKWToolBar* pBar, int nIndex) override;
  void InvalidateButton(CKWToolBar* pBar, int nIndex) override;

 private:
  const CKWRendererState* m_pState;
};

class CKWFlatToolBarRenderer : public CKWToolBarRenderer, public CKWRendererState {
 public:
  CKWFlatToolBarRenderer() : m_comboPainter(this), m_buttonPainter(this) {}
  CKWComboPainter* GetComboPainter() override { return &m_comboPainter; }
  CKWButtonPainter* GetButtonPainter() override { return &m_buttonPainter; }
  void SetDragging(BOOL bDragging) override { m_bDragging = bDragging ? 1 : 0; }
  BYTE IsDragging() const override { return m_bDragging; }

 private:
  CKWFlatComboPainter m_comboPainter;
  CKWFlatButtonPainter m_buttonPainter;
  BYTE m_bDragging = 0;
};

class CKWPlainToolBarRenderer : public CKWToolBarRenderer {
 public:
  CKWComboPainter* GetComboPainter() override { return nullptr; }
  CKWButtonPainter* GetButtonPainter() override { return nullptr; }
  void SetDragging(BOOL) override {}
};

// The flat renderer in the flat look, else the plain one.
CKWToolBarRenderer* GetToolBarRenderer();

// The 5 x 3 downward triangle of drop-down arrows, centred in the rectangle,
// in the DC's text colour.
void DrawDropArrowGlyph(CDC* pDC, const RECT& rect);
