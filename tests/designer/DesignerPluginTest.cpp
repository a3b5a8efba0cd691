// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QPluginLoader>
#include <QWidget>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <gtest/gtest.h>

#include <memory>

TEST(DesignerPlugin, OffersTheControlInItsOwnGroupAndCreatesIt)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 0;
    QApplication application(argc, nullptr);

    QPluginLoader loader(QStringLiteral(TESSARO7_DESIGNER_PLUGIN));
    auto* plugin = qobject_cast<QDesignerCustomWidgetInterface*>(loader.instance());
    ASSERT_NE(plugin, nullptr) << loader.errorString().toStdString();
    EXPECT_EQ(plugin->name(), QStringLiteral("CorvaneGen7"));
    EXPECT_EQ(plugin->group(), QStringLiteral("Tessaro7"));
    EXPECT_EQ(plugin->includeFile(), QStringLiteral("CorvaneGen7.h"));
    EXPECT_FALSE(plugin->isContainer());
    plugin->initialize(nullptr);
    EXPECT_TRUE(plugin->isInitialized());
    EXPECT_FALSE(plugin->icon().isNull());
    EXPECT_TRUE(plugin->domXml().contains(QStringLiteral("class=\"CorvaneGen7\"")));

    const std::unique_ptr<QWidget> widget(plugin->createWidget(nullptr));
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->findChildren<QWidget*>(QStringLiteral("Pick3")).size(), 1);
}
