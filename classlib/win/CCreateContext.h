// What a frame needs to build its contents: the view class to create, the
// document to attach it to, and the template and frame it came from.
// Passed down through LoadFrame and WM_CREATE to OnCreateClient.
#pragma once

struct CRuntimeClass;
class CDocument;
class CDocTemplate;
class CView;
class CFrameWnd;

struct CCreateContext {
  CRuntimeClass* m_pNewViewClass = nullptr;  // the view class to create, if any
  CDocument* m_pCurrentDoc = nullptr;        // the document the new view shows
  CDocTemplate* m_pNewDocTemplate = nullptr;  // the template of a new frame
  CView* m_pLastView = nullptr;               // a view the new frame copies (Window/New)
  CFrameWnd* m_pCurrentFrame = nullptr;       // the frame a new frame copies
};
