#pragma once

#include "framework/TControl.h"

#include <QString>

class TPageControl;

// One page of a page control, with the caption of its tab. The control owns its sheets
// through the Qt parent; deleting a sheet takes its page out of the control.
class TTabSheet : public TControl {
    Q_OBJECT
public:
    explicit TTabSheet(QWidget* parent = nullptr);
    ~TTabSheet() override;

    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);

    // Index among all pages of the control (hidden tabs included), -1 outside a control.
    int PageIndex() const;

    bool TabVisible() const { return tabVisible_; }
    void SetTabVisible(bool visible);

    TPageControl* PageControl() const { return pageControl_; }
    // Moves the sheet into the control as its last page, or out of any control with nullptr.
    void SetPageControl(TPageControl* control);

Q_SIGNALS:
    // The sheet is being destroyed: it is about to leave its control, its children still in it.
    void Destroying(TTabSheet* Sheet);

private:
    friend class TPageControl;

    QString caption_;
    bool tabVisible_ = true;
    TPageControl* pageControl_ = nullptr;
};
