#pragma once
// The Word classes the stand-in serves, one table each.
#include "tests/wordstandin/ClassTable.h"

namespace lorivex::test::standin {

const ClassTable& ApplicationClass();
const ClassTable& DocumentsClass();
const ClassTable& TemplateClass();
const ClassTable& TemplatesClass();
const ClassTable& DefaultWebOptionsClass();
const ClassTable& DocumentClass();
const ClassTable& StyleSheetsClass();
const ClassTable& RangeClass();
const ClassTable& TextRetrievalModeClass();
const ClassTable& FindClass();
const ClassTable& FontClass();
const ClassTable& InlineShapesClass();
const ClassTable& InlineShapeClass();
const ClassTable& FieldsClass();
const ClassTable& FieldClass();
const ClassTable& IndexesClass();
const ClassTable& BookmarksClass();
const ClassTable& BookmarkClass();
const ClassTable& HyperlinksClass();
const ClassTable& HyperlinkClass();
const ClassTable& ParagraphsClass();
const ClassTable& ParagraphClass();
const ClassTable& StylesClass();
const ClassTable& StyleClass();
const ClassTable& DocumentPropertiesClass();
const ClassTable& DocumentPropertyClass();
const ClassTable& WindowClass();
const ClassTable& PaneClass();
const ClassTable& ViewClass();
const ClassTable& SelectionClass();
const ClassTable& HeaderFooterClass();
const ClassTable& CommandBarsClass();
const ClassTable& CommandBarClass();
const ClassTable& CommandBarControlsClass();
const ClassTable& CommandBarControlClass();

} // namespace lorivex::test::standin
