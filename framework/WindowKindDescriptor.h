#pragma once

#include "framework/Document.h"
#include "framework/IconKit.h"
#include "shell/WindowKinds.h"

namespace orbilunex {

class AppContext;

// One row per kind of monitor window, defined in the kind's own folder: its
// plain data (code, title, command and its texts, short name, file type,
// settings section, orders), its tool-bar picture and how to make its
// document and view. The application lists the rows and reads everything
// about a kind from them; it names no kind itself.
struct WindowKindDescriptor {
    WindowKind kind;
    icons::Picture drawIcon; // on the 16-unit grid of framework/IconKit.h
    CDocument* (*createDocument)(const DocTemplate&, AppContext&);
    CView* (*createView)(CDocument*, AppContext&);
};

// The factories of a row: `newDocument<CXDoc>`, `newView<CXView>`.
template <typename Document>
CDocument* newDocument(const DocTemplate& docTemplate, AppContext& app)
{
    return new Document(docTemplate, app);
}

template <typename View>
CView* newView(CDocument* document, AppContext& app)
{
    return new View(document, app);
}

// The template the framework opens windows of the kind with.
DocTemplate docTemplateOf(const WindowKindDescriptor& descriptor);

} // namespace orbilunex
