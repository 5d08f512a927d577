#pragma once
// Containers and the controls that only show something: panels, paint
// boxes (painted by their OnPaint), bevels, images, and TCustomControl, the
// slot for controls that paint themselves (the code viewer of Paste Code
// derives from it).
#include "ui/Control.h"
#include "ui/Picture.h"

namespace lorivex::ui {

enum class TPanelBevel { None, Lowered, Raised };

class TPanel : public TWinControl {
public:
    TPanelBevel BevelOuter = TPanelBevel::Raised;
};

class TPaintBox : public TControl {
public:
    TNotifyEvent OnPaint;
    TCanvas* Canvas() override { return &canvas_; }
    void Paint() override
    {
        if (OnPaint)
            OnPaint(*this);
    }

private:
    TCanvas canvas_{this};
};

enum class TBevelShape { Box, Frame, TopLine, BottomLine, LeftLine, RightLine };

class TBevel : public TControl {
public:
    TBevelShape Shape = TBevelShape::Box;
};

class TImage : public TControl {
public:
    TBitmapPtr Picture;
    bool Transparent = false;
};

class TCustomControl : public TWinControl {
public:
    TCanvas* Canvas() override { return &canvas_; }

private:
    TCanvas canvas_{this};
};

} // namespace lorivex::ui
