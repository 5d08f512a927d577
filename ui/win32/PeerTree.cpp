#include "ui/win32/PeerTree.h"

#include <vector>

#include "ui/Buttons.h"
#include "ui/ComboBox.h"
#include "ui/Edits.h"
#include "ui/Form.h"
#include "ui/Labels.h"
#include "ui/ListBox.h"
#include "ui/Panels.h"
#include "ui/TreeView.h"
#include "ui/win32/ButtonPeers.h"
#include "ui/win32/ChoicePeers.h"
#include "ui/win32/ContainerPeers.h"
#include "ui/win32/EditPeers.h"
#include "ui/win32/FormPeer.h"
#include "ui/win32/GraphicPeers.h"
#include "ui/win32/ListBoxPeer.h"
#include "ui/win32/TreeViewPeer.h"

namespace lorivex::ui::win32 {

std::unique_ptr<WindowPeer> MakePeer(TControl& control)
{
    // Most derived kinds first.
    if (auto* form = dynamic_cast<TForm*>(&control))
        return std::make_unique<FormPeer>(*form);
    if (auto* button = dynamic_cast<TBitBtn*>(&control))
        return std::make_unique<BitBtnPeer>(*button);
    if (auto* button = dynamic_cast<TButton*>(&control))
        return std::make_unique<ButtonPeer>(*button);
    if (auto* button = dynamic_cast<TSpeedButton*>(&control))
        return std::make_unique<SpeedButtonPeer>(*button);
    if (auto* check = dynamic_cast<TCheckBox*>(&control))
        return std::make_unique<CheckBoxPeer>(*check);
    if (auto* group = dynamic_cast<TRadioGroup*>(&control))
        return std::make_unique<RadioGroupPeer>(*group);
    if (auto* combo = dynamic_cast<TComboBox*>(&control))
        return std::make_unique<ComboBoxPeer>(*combo);
    if (auto* edit = dynamic_cast<TEdit*>(&control))
        return std::make_unique<EditPeer>(*edit);
    if (auto* memo = dynamic_cast<TMemo*>(&control))
        return std::make_unique<MemoPeer>(*memo);
    if (auto* list = dynamic_cast<TListBox*>(&control))
        return std::make_unique<ListBoxPeer>(*list);
    if (auto* tree = dynamic_cast<TTreeView*>(&control))
        return std::make_unique<TreeViewPeer>(*tree);
    if (auto* label = dynamic_cast<TLabel*>(&control))
        return std::make_unique<LabelPeer>(*label);
    if (auto* box = dynamic_cast<TPaintBox*>(&control))
        return std::make_unique<PaintBoxPeer>(*box);
    if (auto* bevel = dynamic_cast<TBevel*>(&control))
        return std::make_unique<BevelPeer>(*bevel);
    if (auto* image = dynamic_cast<TImage*>(&control))
        return std::make_unique<ImagePeer>(*image);
    if (auto* panel = dynamic_cast<TPanel*>(&control))
        return std::make_unique<PanelPeer>(*panel);
    if (auto* custom = dynamic_cast<TCustomControl*>(&control))
        return std::make_unique<CustomControlPeer>(*custom);
    if (auto* container = dynamic_cast<TWinControl*>(&control))
        return std::make_unique<ContainerPeer>(*container);
    // A control of a kind this back end does not know still shows what its
    // Paint draws.
    return std::make_unique<GraphicPeer>(control);
}

void AttachPeers(TControl& control, HWND parent)
{
    WindowPeer* peer = WindowPeer::Of(control);
    if (!peer) {
        control.Peer = MakePeer(control);
        peer = WindowPeer::Of(control);
    }
    peer->Create(parent);
    auto* container = dynamic_cast<TWinControl*>(&control);
    if (!container)
        return;
    for (int i = 0; i < container->ControlCount(); ++i)
        AttachPeers(container->Controls(i), peer->Handle());
    ArrangeChildren(*container);
}

void ArrangeChildren(const TWinControl& container)
{
    std::vector<HWND> order;
    for (int i = 0; i < container.ControlCount(); ++i)
        if (WindowPeer* peer = WindowPeer::Of(container.Controls(i)); peer && peer->Handle() && !peer->Graphic())
            order.push_back(peer->Handle());
    for (int i = container.ControlCount() - 1; i >= 0; --i)
        if (WindowPeer* peer = WindowPeer::Of(container.Controls(i)); peer && peer->Handle() && peer->Graphic())
            order.push_back(peer->Handle());
    HWND after = HWND_TOP;
    for (HWND window : order) {
        SetWindowPos(window, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
        after = window;
    }
}

void RefreshPeers(TControl& control)
{
    if (WindowPeer* peer = WindowPeer::Of(control))
        peer->Refresh();
    if (auto* container = dynamic_cast<TWinControl*>(&control))
        for (int i = 0; i < container->ControlCount(); ++i)
            RefreshPeers(container->Controls(i));
}

} // namespace lorivex::ui::win32
