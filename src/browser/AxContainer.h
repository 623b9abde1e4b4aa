// The least ActiveX container that hosts one control in one window: the control's client
// site, in-place site and in-place frame. The window (class "AtlAxWin140" or one derived from
// it) makes its container at WM_CREATE and holds the first reference until WM_NCDESTROY; the
// control holds more references while it is attached, and gives them back when it is closed.
#pragma once
#include <windows.h>
#include <ole2.h>
#include <oleidl.h>

#include "browser/ComObject.h"
#include "ui/core/Handles.h"

namespace KRUI {

class CAxContainer final : public ComObject<IOleClientSite, ComAlso<IOleInPlaceSite, IOleWindow>,
                                            ComAlso<IOleInPlaceFrame, IOleInPlaceUIWindow>> {
 public:
  // The container of a host window; none for any other window. Borrowed.
  static CAxContainer* FromWindow(HWND hwnd);
  // Made at the window's WM_CREATE; false when there is no memory for it.
  static bool AttachTo(HWND hwnd);
  // At WM_NCDESTROY: drops the window's reference (and closes a control still there).
  static void DetachFrom(HWND hwnd);

  // Creates the control by class identifier and in-place activates it at the window's
  // client rectangle. A control that is already there is closed first.
  HRESULT CreateControl(REFCLSID clsid);
  // The control's interface iid (an added reference), or E_NOINTERFACE / E_FAIL without one.
  HRESULT QueryControl(REFIID iid, void** out);
  // The control's IUnknown with an added reference, or none.
  IUnknown* ControlUnknown();
  // In-place deactivates, closes and lets go of the control.
  void ReleaseControl();

  // Keeps the control at the window's client rectangle.
  void OnSize();
  // Hands the focus to the control's window.
  void OnSetFocus();
  // An in-place active windowed control covers the client area: no background to erase.
  bool CoversClientArea() const { return inPlaceActive_; }

  // IOleClientSite
  STDMETHODIMP SaveObject() override;
  STDMETHODIMP GetMoniker(DWORD assign, DWORD which, IMoniker** moniker) override;
  STDMETHODIMP GetContainer(IOleContainer** container) override;
  STDMETHODIMP ShowObject() override;
  STDMETHODIMP OnShowWindow(BOOL show) override;
  STDMETHODIMP RequestNewObjectLayout() override;
  // IOleWindow (shared by the in-place site and the frame)
  STDMETHODIMP GetWindow(HWND* hwnd) override;
  STDMETHODIMP ContextSensitiveHelp(BOOL enter) override;
  // IOleInPlaceSite
  STDMETHODIMP CanInPlaceActivate() override;
  STDMETHODIMP OnInPlaceActivate() override;
  STDMETHODIMP OnUIActivate() override;
  STDMETHODIMP GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document, RECT* position,
                                RECT* clip, OLEINPLACEFRAMEINFO* frameInfo) override;
  STDMETHODIMP Scroll(SIZE extent) override;
  STDMETHODIMP OnUIDeactivate(BOOL undoable) override;
  STDMETHODIMP OnInPlaceDeactivate() override;
  STDMETHODIMP DiscardUndoState() override;
  STDMETHODIMP DeactivateAndUndo() override;
  STDMETHODIMP OnPosRectChange(const RECT* position) override;
  // IOleInPlaceUIWindow
  STDMETHODIMP GetBorder(RECT* border) override;
  STDMETHODIMP RequestBorderSpace(LPCBORDERWIDTHS widths) override;
  STDMETHODIMP SetBorderSpace(LPCBORDERWIDTHS widths) override;
  STDMETHODIMP SetActiveObject(IOleInPlaceActiveObject* object, LPCOLESTR name) override;
  // IOleInPlaceFrame
  STDMETHODIMP InsertMenus(HMENU shared, OLEMENUGROUPWIDTHS* widths) override;
  STDMETHODIMP SetMenu(HMENU shared, HOLEMENU descriptor, HWND activeObject) override;
  STDMETHODIMP RemoveMenus(HMENU shared) override;
  STDMETHODIMP SetStatusText(LPCOLESTR text) override;
  STDMETHODIMP EnableModeless(BOOL enable) override;
  STDMETHODIMP TranslateAccelerator(MSG* msg, WORD id) override;

 private:
  explicit CAxContainer(HWND hwnd) : hwnd_(hwnd) {}
  ~CAxContainer() override = default;
  RECT ClientRect() const;

  HWND hwnd_;
  ComPtr<IUnknown> control_;
  ComPtr<IOleObject> oleObject_;
  ComPtr<IOleInPlaceObject> inPlaceObject_;
  bool inPlaceActive_ = false;
};

}  // namespace KRUI
