#pragma once

#include "platform/ModuleHandle.h"

#include <QByteArray>
#include <QImage>
#include <QTemporaryDir>

#include <vector>

// A private temporary directory for pack files; loads them through the module registry and
// frees every module it loaded when the test ends.
class PackFixture {
public:
    PackFixture();
    ~PackFixture();

    QString directory() const { return dir_.path() + u'/'; }
    QString write(const QByteArray& bytes, const QString& fileName = QStringLiteral("pack.dll")) const;
    ModuleHandle load(const QByteArray& bytes);
    ModuleHandle loadFile(const QString& path);

private:
    QTemporaryDir dir_;
    std::vector<ModuleHandle> loaded_;
};

// Pictures encoded by Qt's own writers, for feeding our decoders.
QByteArray EncodePicture(const QImage& image, const char* format);
QImage TestPicture(int width, int height, bool withAlpha);
QByteArray FixtureBytes(const QString& name);
