// A canvas that draws its backdrop picture, if any, at its top-left corner.
#pragma once

#include <QWidget>
#include <memory>

#include "Picture.h"
#include "RectControl.h"

namespace platform {

class Canvas : public QWidget, public RectControl {
public:
    explicit Canvas(QWidget* parent);

    QWidget* Widget() override { return this; }

    void SetBackdrop(std::shared_ptr<Picture> picture);
    const std::shared_ptr<Picture>& Backdrop() const { return backdrop_; }

    void SetProperty(const QByteArray& name, const PropertyValue& value) override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::shared_ptr<Picture> backdrop_;
    bool acceptFocus_ = false;
};

}  // namespace platform
