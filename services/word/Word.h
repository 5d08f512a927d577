#pragma once
// The Word automation interface: the members of Word's object model that the
// system calls, with Word's names. Implemented by real Word over IDispatch on
// Windows and by the document engine everywhere.
#include "services/word/Application.h"
#include "services/word/Bookmarks.h"
#include "services/word/CommandBars.h"
#include "services/word/Dispatch.h"
#include "services/word/Document.h"
#include "services/word/DocumentProperties.h"
#include "services/word/Fields.h"
#include "services/word/Hyperlinks.h"
#include "services/word/Paragraphs.h"
#include "services/word/Range.h"
#include "services/word/Styles.h"
#include "services/word/Variant.h"
#include "services/word/Window.h"
