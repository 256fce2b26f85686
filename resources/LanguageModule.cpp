#include "LanguageModule.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPixmap>
#include <QResource>
#include <atomic>

#include "Cp1252.h"
#include "ModuleStrings.h"
#include "ResourceFileCheck.h"

namespace kadenzo {
namespace {

std::atomic<int> nextRootNumber{1};
// Far above any real module; a larger file is not one of ours.
constexpr qint64 kMaxModuleSize = 64 * 1024 * 1024;

std::vector<MenuItem> ReadMenuItems(const QJsonArray& items) {
    std::vector<MenuItem> result;
    for (const QJsonValue& value : items) {
        const QJsonObject object = value.toObject();
        MenuItem item;
        item.separator = object.value("separator").toBool(false);
        if (!item.separator) {
            item.id = object.value("id").toInt(0);
            item.text = object.value("text").toString();
            item.shortcut = object.value("shortcut").toString();
            item.checkable = object.value("checkable").toBool(false);
            item.children = ReadMenuItems(object.value("items").toArray());
        }
        result.push_back(std::move(item));
    }
    return result;
}

std::vector<ToolBarButton> ReadToolBar(const QJsonArray& buttons) {
    std::vector<ToolBarButton> result;
    for (const QJsonValue& value : buttons) {
        const QJsonObject object = value.toObject();
        ToolBarButton button;
        button.separator = object.value("separator").toBool(false);
        if (!button.separator) {
            button.id = object.value("id").toInt(0);
            button.iconId = object.value("icon").toInt(button.id);
        }
        result.push_back(button);
    }
    return result;
}

QJsonObject ReadJsonObject(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QJsonDocument::fromJson(file.readAll()).object();
}

}  // namespace

std::unique_ptr<LanguageModule> LanguageModule::Load(const QString& path) {
    if (path.isEmpty()) return nullptr;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxModuleSize) return nullptr;
    QByteArray data = file.readAll();
    if (!IsSoundResourceFile(data)) return nullptr;

    // Registered from our own checked copy, which lives as long as the module.
    std::unique_ptr<LanguageModule> module(new LanguageModule);
    module->data_ = std::move(data);
    const QString root = QStringLiteral("/kadenzo-module-%1").arg(nextRootNumber++);
    if (!QResource::registerResource(module->RawData(), root)) return nullptr;
    module->root_ = root;
    module->path_ = QFileInfo(path).absoluteFilePath();

    QFile strings(module->ResourcePath("strings.tsv"));
    if (!strings.open(QIODevice::ReadOnly)) return nullptr;
    module->texts_ = ParseModuleStrings(strings.readAll());

    const QJsonObject about = ReadJsonObject(module->ResourcePath("module.json"));
    module->language_ = about.value("language").toString();

    const QJsonObject menus = ReadJsonObject(module->ResourcePath("menus.json"));
    for (auto it = menus.begin(); it != menus.end(); ++it) {
        bool ok = false;
        const int id = it.key().toInt(&ok);
        if (ok) module->menus_[id] = ReadMenuItems(it.value().toArray());
    }
    const QJsonObject toolBars = ReadJsonObject(module->ResourcePath("toolbars.json"));
    for (auto it = toolBars.begin(); it != toolBars.end(); ++it) {
        bool ok = false;
        const int id = it.key().toInt(&ok);
        if (ok) module->toolBars_[id] = ReadToolBar(it.value().toArray());
    }
    return module;
}

LanguageModule::~LanguageModule() {
    if (root_.isEmpty()) return;
    // Qt keeps a resource that is still open somewhere and may read it later;
    // its bytes must then outlive this object.
    if (!QResource::unregisterResource(RawData(), root_)) new QByteArray(std::move(data_));
}

const uchar* LanguageModule::RawData() const {
    return reinterpret_cast<const uchar*>(data_.constData());
}

QString LanguageModule::ResourcePath(const QString& name) const {
    return QLatin1Char(':') + root_ + QLatin1Char('/') + name;
}

std::string LanguageModule::Text(std::uint32_t id) const {
    return Utf8ToCp1252(QText(id).toStdString());
}

QString LanguageModule::QText(std::uint32_t id) const {
    const auto it = texts_.find(id);
    return it == texts_.end() ? QString() : it->second;
}

bool LanguageModule::HasText(std::uint32_t id) const { return texts_.count(id) != 0; }

std::vector<std::uint32_t> LanguageModule::TextIds() const {
    std::vector<std::uint32_t> ids;
    ids.reserve(texts_.size());
    for (const auto& [id, text] : texts_) ids.push_back(id);
    return ids;
}

QImage LanguageModule::Bitmap(int id) const {
    return QImage(ResourcePath(QStringLiteral("images/%1.png").arg(id)));
}

QIcon LanguageModule::Icon(int id) const {
    const QImage image = Bitmap(id);
    if (image.isNull()) return {};
    return QIcon(QPixmap::fromImage(image));
}

const std::vector<MenuItem>& LanguageModule::Menu(int id) const {
    static const std::vector<MenuItem> none;
    const auto it = menus_.find(id);
    return it == menus_.end() ? none : it->second;
}

const std::vector<ToolBarButton>& LanguageModule::ToolBar(int id) const {
    static const std::vector<ToolBarButton> none;
    const auto it = toolBars_.find(id);
    return it == toolBars_.end() ? none : it->second;
}

QString LanguageModule::Language() const { return language_; }

std::vector<QString> LanguageModuleCandidates(const QString& currentDir,
                                              const QString& programDir) {
    std::vector<QString> candidates;
    for (const QString& dir : {currentDir, programDir}) {
        if (dir.isEmpty()) continue;
        for (const char* name : {kEnglishModuleName, kGermanModuleName}) {
            candidates.push_back(QDir(dir).filePath(QString::fromLatin1(name)));
        }
    }
    return candidates;
}

QString FindLanguageModule(const QString& currentDir, const QString& programDir) {
    for (const QString& candidate : LanguageModuleCandidates(currentDir, programDir)) {
        if (QFileInfo(candidate).isFile()) return candidate;
    }
    return {};
}

std::unique_ptr<LanguageModule> LoadLanguageModule(const QString& currentDir,
                                                   const QString& programDir) {
    for (const QString& candidate : LanguageModuleCandidates(currentDir, programDir)) {
        if (auto module = LanguageModule::Load(candidate)) return module;
    }
    return nullptr;
}

}  // namespace kadenzo
