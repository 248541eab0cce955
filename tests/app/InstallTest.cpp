#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct Ran
{
    int code = -1;
    QString output;
};

Ran Start(const QString& program, const QStringList& args)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    if (!p.waitForFinished(120000))
        return {};
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAll())};
}

} // namespace

TEST(Install, PutsProgramsLauncherIconsMetadataAndManualPagesInPlace)
{
    QTemporaryDir prefix;
    const Ran install =
        Start(QStringLiteral(CMAKE_COMMAND_PATH), {QStringLiteral("--install"), QStringLiteral(BUILD_DIR),
                                                   QStringLiteral("--prefix"), prefix.path()});
    ASSERT_EQ(install.code, 0) << install.output.toStdString();
    const QDir root(prefix.path());
    const QString id = QStringLiteral(APP_ID);
    for (const QString& program :
         {QStringLiteral("vellamo"), QStringLiteral("vellamo-cli"), QStringLiteral("vellamo-help")}) {
        const QString path = root.filePath(QStringLiteral("bin/") + program);
        EXPECT_TRUE(QFileInfo(path).isExecutable()) << program.toStdString();
        const Ran version = Start(path, {QStringLiteral("--version")});
        EXPECT_EQ(version.output, program + QStringLiteral(" 3.1.0\n"));
    }
    const QString desktop = root.filePath(QStringLiteral("share/applications/%1.desktop").arg(id));
    const QString metainfo = root.filePath(QStringLiteral("share/metainfo/%1.metainfo.xml").arg(id));
    EXPECT_TRUE(QFile::exists(desktop));
    EXPECT_TRUE(QFile::exists(metainfo));
    EXPECT_TRUE(
        QFile::exists(root.filePath(QStringLiteral("share/icons/hicolor/scalable/apps/%1.svg").arg(id))));
    for (int size : {48, 256}) {
        const QImage icon(
            root.filePath(QStringLiteral("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(id)));
        EXPECT_EQ(icon.size(), QSize(size, size));
    }
    for (const QString& page : {QStringLiteral("vellamo"), QStringLiteral("vellamo-cli")}) {
        QFile man(root.filePath(QStringLiteral("share/man/man1/%1.1").arg(page)));
        ASSERT_TRUE(man.open(QIODevice::ReadOnly)) << page.toStdString();
        const QByteArray text = man.readAll();
        EXPECT_TRUE(text.contains("3.1.0")) << page.toStdString();
        if (page == QLatin1String("vellamo-cli")) {
            EXPECT_TRUE(text.contains("entry delete")) << "made from the command table";
        }
    }

    // The desktop's own checkers, when their packages are there.
    const struct
    {
        const char* program;
        QStringList args;
    } validators[] = {
        {"desktop-file-validate", {desktop}},
        {"appstreamcli", {QStringLiteral("validate"), QStringLiteral("--no-net"), metainfo}},
    };
    for (const auto& v : validators) {
        const QString program = QStandardPaths::findExecutable(QString::fromLatin1(v.program));
        if (program.isEmpty()) {
            std::printf("%s is not installed: not checked\n", v.program);
            continue;
        }
        const Ran check = Start(program, v.args);
        EXPECT_EQ(check.code, 0) << v.program << ": " << check.output.toStdString();
    }
}
