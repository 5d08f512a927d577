#pragma once
#include <memory>

namespace lorivex::word {

class Application;
class Bookmark;
class Bookmarks;
class CommandBar;
class CommandBarControl;
class CommandBarControls;
class CommandBars;
class DefaultWebOptions;
class Document;
class DocumentProperties;
class DocumentProperty;
class Documents;
class Field;
class Find;
class Fields;
class Font;
class HeaderFooter;
class Hyperlink;
class Hyperlinks;
class Indexes;
class InlineShape;
class InlineShapes;
class Pane;
class Paragraph;
class Paragraphs;
class Range;
class Selection;
class Style;
class Styles;
class Template;
class TextRetrievalMode;
class View;
class Window;

using ApplicationPtr = std::shared_ptr<Application>;
using BookmarkPtr = std::shared_ptr<Bookmark>;
using BookmarksPtr = std::shared_ptr<Bookmarks>;
using CommandBarPtr = std::shared_ptr<CommandBar>;
using CommandBarControlPtr = std::shared_ptr<CommandBarControl>;
using CommandBarControlsPtr = std::shared_ptr<CommandBarControls>;
using CommandBarsPtr = std::shared_ptr<CommandBars>;
using DefaultWebOptionsPtr = std::shared_ptr<DefaultWebOptions>;
using DocumentPtr = std::shared_ptr<Document>;
using DocumentPropertiesPtr = std::shared_ptr<DocumentProperties>;
using DocumentPropertyPtr = std::shared_ptr<DocumentProperty>;
using DocumentsPtr = std::shared_ptr<Documents>;
using FieldPtr = std::shared_ptr<Field>;
using FindPtr = std::shared_ptr<Find>;
using FieldsPtr = std::shared_ptr<Fields>;
using FontPtr = std::shared_ptr<Font>;
using HeaderFooterPtr = std::shared_ptr<HeaderFooter>;
using HyperlinkPtr = std::shared_ptr<Hyperlink>;
using HyperlinksPtr = std::shared_ptr<Hyperlinks>;
using IndexesPtr = std::shared_ptr<Indexes>;
using InlineShapePtr = std::shared_ptr<InlineShape>;
using InlineShapesPtr = std::shared_ptr<InlineShapes>;
using PanePtr = std::shared_ptr<Pane>;
using ParagraphPtr = std::shared_ptr<Paragraph>;
using ParagraphsPtr = std::shared_ptr<Paragraphs>;
using RangePtr = std::shared_ptr<Range>;
using SelectionPtr = std::shared_ptr<Selection>;
using StylePtr = std::shared_ptr<Style>;
using StylesPtr = std::shared_ptr<Styles>;
using TemplatePtr = std::shared_ptr<Template>;
using TextRetrievalModePtr = std::shared_ptr<TextRetrievalMode>;
using ViewPtr = std::shared_ptr<View>;
using WindowPtr = std::shared_ptr<Window>;

} // namespace lorivex::word
