#pragma once

#include <QWidget>

#include "ftransform/partition/BasicFunctionShape.h"

namespace zorv {

// The preview of a shape of basic functions in the F-transform settings dialog: the shape's function built
// on [0, 1], drawn over the whole area (BasicFunctionPreview).
class BasicFunctionView final : public QWidget {
    Q_OBJECT

public:
    explicit BasicFunctionView(QWidget* parent = nullptr);

    void setShape(BasicFunctionShape shape);
    BasicFunctionShape shape() const { return shape_; }
    QSize sizeHint() const override { return {160, 90}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    BasicFunctionShape shape_ = BasicFunctionShape::Triangular;
};

}  // namespace zorv
