// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <memory>

#if defined(TESSARO7_BUILDING)
#define TESSARO7_EXPORT Q_DECL_EXPORT
#else
#define TESSARO7_EXPORT Q_DECL_IMPORT
#endif

// The random-combination control: a banner, twenty buttons in a 4 x 5 grid
// and the output pane. Every feature starts with a click on a button.
class TESSARO7_EXPORT CorvaneGen7 : public QWidget {
    Q_OBJECT

public:
    explicit CorvaneGen7(QWidget* parent = nullptr);
    ~CorvaneGen7() override;

    // The seed of every generator, from the clock, the date and six draws.
    double TheSeeder();

    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Surface;
    std::unique_ptr<Surface> surface_;
};
