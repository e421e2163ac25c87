#pragma once

#include <QHash>
#include <QString>

#include <functional>
#include <memory>

// A controller made from the storyboard by identifier; the caller casts it to what it expects.
class StoryboardController
{
public:
    virtual ~StoryboardController();
};

// The storyboard "Main": a registry of controller factories by identifier. Each user-interface
// library registers its controllers at start, so that lower layers get windows without including them.
class Storyboard
{
public:
    using Factory = std::function<std::unique_ptr<StoryboardController>()>;

    void registerController(const QString& identifier, Factory factory);
    // Nothing when no factory is registered under the identifier.
    std::unique_ptr<StoryboardController> instantiateController(const QString& identifier) const;

private:
    QHash<QString, Factory> m_factories;
};
