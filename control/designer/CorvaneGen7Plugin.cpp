// SPDX-License-Identifier: GPL-3.0-or-later
#include "CorvaneGen7Plugin.h"

#include "CorvaneGen7.h"

#include <QIcon>

CorvaneGen7Plugin::CorvaneGen7Plugin(QObject* parent) : QObject(parent) {}

QString CorvaneGen7Plugin::name() const { return QStringLiteral("CorvaneGen7"); }
QString CorvaneGen7Plugin::group() const { return QStringLiteral("Tessaro7"); }

QString CorvaneGen7Plugin::toolTip() const
{
    return QStringLiteral("Random lottery and gambling combinations, and their odds");
}

QString CorvaneGen7Plugin::whatsThis() const
{
    return QStringLiteral("Twenty buttons that generate 1000 combinations each for pick-3/4, lotto, "
                          "Keno, PowerBall, Euro Millions, trifectas, roulette and sports tickets, "
                          "with an output pane to read, edit, save and print them.");
}

QString CorvaneGen7Plugin::includeFile() const { return QStringLiteral("CorvaneGen7.h"); }
QIcon CorvaneGen7Plugin::icon() const { return QIcon(QStringLiteral(":/tessaro7/corvane.png")); }
bool CorvaneGen7Plugin::isContainer() const { return false; }
QWidget* CorvaneGen7Plugin::createWidget(QWidget* parent) { return new CorvaneGen7(parent); }
bool CorvaneGen7Plugin::isInitialized() const { return initialized_; }
void CorvaneGen7Plugin::initialize(QDesignerFormEditorInterface*) { initialized_ = true; }

QString CorvaneGen7Plugin::domXml() const
{
    return QStringLiteral("<ui language=\"c++\">\n"
                          " <widget class=\"CorvaneGen7\" name=\"corvaneGen7\"/>\n"
                          "</ui>\n");
}
