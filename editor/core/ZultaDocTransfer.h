// Between the document's model and the file codecs: collecting what a save
// stores from the model, and handing what a load read to the loading
// buffers from which the document builds its sides.
#pragma once

#include "editor/core/DocLoadBuffers.h"
#include "editor/core/DocTextModel.h"
#include "editor/core/ZultaDocData.h"

// The whole document: title, style tables, both sides' defaults, text,
// lines, sections and page layouts, and the current side.
void CollectDocumentForFile(const DocTextModel& model, const CString& title, ZultaDocData& doc);
// The style tables, the sides' defaults and the current side without any
// text: what the conversions of a run of text to and from other programs'
// forms look up its faces in.
void CollectDocumentStyles(const DocTextModel& model, ZultaDocData& doc);
// One side's text (letters, points, attributes), line formats, sections by
// their first line and page layouts (the side's default first).
void CollectSideForFile(const DocTextModel& model, int side, ZultaSideData& out);

// Fills a side's (empty) loading buffers; a section runs to the next one or
// to the last line.
void FillLoadBuffers(const ZultaSideData& side, DocLoadBuffers& buffers);
