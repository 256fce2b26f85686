#pragma once

#include <QByteArray>
#include <QIcon>
#include <QImage>
#include <QString>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "StringTable.h"

namespace kadenzo {

// One entry of a menu from a language module. A popup has children and id 0;
// a separator has only separator set.
struct MenuItem {
    int id = 0;
    QString text;      // with '&' before the accelerator letter
    QString shortcut;  // in QKeySequence portable text, e.g. "Ctrl+S"; may be empty
    std::vector<MenuItem> children;
    bool separator = false;
    bool checkable = false;  // shows a radio or check mark driven by its update handler
};

// One button of a tool bar; a separator has id 0.
struct ToolBarButton {
    int id = 0;
    int iconId = 0;  // Bitmap()/Icon() number of the button picture
    bool separator = false;
};

// A language module: a Qt binary resource file (rcus.rcc English, rcge.rcc
// German) holding the numbered strings, menus, tool bar, icons and pictures.
// Each loaded module is registered under its own resource root, so modules can
// be loaded one after another and unregister when destroyed.
class LanguageModule : public StringTable {
public:
    // Registers and reads the module at path; null when the file is missing,
    // not a resource file, or lacks its string table.
    static std::unique_ptr<LanguageModule> Load(const QString& path);
    ~LanguageModule() override;

    LanguageModule(const LanguageModule&) = delete;
    LanguageModule& operator=(const LanguageModule&) = delete;

    // The numbered text as Windows-1252 bytes, or "" when there is none.
    std::string Text(std::uint32_t id) const override;
    // The numbered text, or an empty string when there is none.
    QString QText(std::uint32_t id) const;
    bool HasText(std::uint32_t id) const;
    // Every string number the module carries, ascending.
    std::vector<std::uint32_t> TextIds() const;

    // A picture by resource number: sport icons 176 to 217 (40 x 40, white
    // background), 224 and 225, the page picture 234, the splash 235, tool bar
    // pictures. A null image when the module has none.
    QImage Bitmap(int id) const;
    QIcon Icon(int id) const;

    // Menu 128 (diary) or 129 (analysis): its top-level popups. Empty when unknown.
    const std::vector<MenuItem>& Menu(int id) const;
    // Tool bar 128. Empty when unknown.
    const std::vector<ToolBarButton>& ToolBar(int id) const;

    // "en" or "de", as the module declares it.
    QString Language() const;
    // The file the module was loaded from.
    QString Path() const { return path_; }

private:
    LanguageModule() = default;
    QString ResourcePath(const QString& name) const;
    const uchar* RawData() const;

    QByteArray data_;  // the module file, registered from memory
    QString path_;
    QString root_;  // the mapRoot the module is registered under, e.g. "/kadenzo-module-1"
    QString language_;
    std::map<std::uint32_t, QString> texts_;
    std::map<int, std::vector<MenuItem>> menus_;
    std::map<int, std::vector<ToolBarButton>> toolBars_;
};

// The file names of the two modules, in order of preference.
inline constexpr const char* kEnglishModuleName = "rcus.rcc";
inline constexpr const char* kGermanModuleName = "rcge.rcc";

// The module to load: "rcus.rcc" then "rcge.rcc" in currentDir, then the same
// two in programDir; the first that exists. Empty when none exists.
QString FindLanguageModule(const QString& currentDir, const QString& programDir);
// The candidate paths in the order FindLanguageModule tries them (for the
// program's built-in message and for trying the next when one fails to load).
std::vector<QString> LanguageModuleCandidates(const QString& currentDir, const QString& programDir);
// Loads the first candidate that loads (English preferred, current folder
// first); null when none does.
std::unique_ptr<LanguageModule> LoadLanguageModule(const QString& currentDir,
                                                   const QString& programDir);

}  // namespace kadenzo
