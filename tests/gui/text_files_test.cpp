// Saving readings as text files, loading text files into a pane, printing to PDF.
#include <QtTest>

#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>

#include <unistd.h>

#include "core/text/gbk.h"
#include "gui/kit/print_seam.h"
#include "gui/kit/text_files.h"
#include "gui_test_support.h"

namespace vessa {

namespace {

using test::Bytes;
using test::Write;

}  // namespace

class TextFilesTest : public QObject {
  Q_OBJECT

 private slots:
  void txtIsAppendedOnlyWhenMissing_data() {
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("saved");
    QTest::newRow("no extension") << "金钱卦" << "金钱卦.txt";
    QTest::newRow("already .txt") << "/tmp/卦.txt" << "/tmp/卦.txt";
    QTest::newRow("upper case") << "READING.TXT" << "READING.TXT";
    QTest::newRow("another extension") << "notes.md" << "notes.md.txt";
    QTest::newRow("txt inside the name") << "a.txt.bak" << "a.txt.bak.txt";
  }
  void txtIsAppendedOnlyWhenMissing() {
    QFETCH(QString, chosen);
    QFETCH(QString, saved);
    QCOMPARE(WithTxtExtension(chosen), saved);
  }

  void savesNewAndExistingFilesInBothEncodings() {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("reading.txt"));
    const QStringList lines = {QStringLiteral("八字：庚子   戊寅"), QString(), QStringLiteral("end")};
    QVERIFY(!SaveTextFile(file, lines, TextEncoding::Utf8));
    QCOMPARE(Bytes(file), QByteArray("八字：庚子   戊寅\r\n\r\nend\r\n"));
    // Over an existing file, in GBK.
    QVERIFY(!SaveTextFile(file, lines, TextEncoding::Gbk));
    QCOMPARE(Bytes(file),
             QByteArray::fromStdString(gbk::FromUtf8("八字：庚子   戊寅\r\n\r\nend\r\n")));
  }

  void aFailedSaveSaysWhyAndLeavesNoFile() {
    QTemporaryDir dir;
    const QString notAFolder = dir.filePath(QStringLiteral("plain"));
    Write(notAFolder, "x");
    const auto reason =
        SaveTextFile(notAFolder + QStringLiteral("/reading.txt"), {QStringLiteral("x")},
                     TextEncoding::Utf8);
    QVERIFY(reason);
    QVERIFY(!reason->isEmpty());
    QCOMPARE(Bytes(notAFolder), QByteArray("x"));
  }

  void loadsUtf8AndGbkAndRefusesWhatItCannotRead() {
    QTemporaryDir dir;
    const QString utf8 = dir.filePath(QStringLiteral("utf8.txt"));
    Write(utf8, "\xEF\xBB\xBF第一行\r\n第二行\n");
    QString reason;
    auto loaded = LoadTextFile(utf8, &reason);
    QVERIFY(loaded);
    QCOMPARE(loaded->lines, (QStringList{QStringLiteral("第一行"), QStringLiteral("第二行")}));
    QCOMPARE(loaded->encoding, TextEncoding::Utf8);

    const QString gbkFile = dir.filePath(QStringLiteral("gbk.txt"));
    Write(gbkFile, QByteArray::fromStdString(gbk::FromUtf8("姓名：张三\r\n血型：A型")));
    loaded = LoadTextFile(gbkFile, &reason);
    QVERIFY(loaded);
    QCOMPARE(loaded->lines, (QStringList{QStringLiteral("姓名：张三"), QStringLiteral("血型：A型")}));
    QCOMPARE(loaded->encoding, TextEncoding::Gbk);

    const QString empty = dir.filePath(QStringLiteral("empty.txt"));
    Write(empty, "");
    loaded = LoadTextFile(empty, &reason);
    QVERIFY(loaded);
    QVERIFY(loaded->lines.isEmpty());

    // Binary bytes are not UTF-8: read as GBK, whatever they show; never a crash.
    const QString binary = dir.filePath(QStringLiteral("binary.bin"));
    QByteArray junk;
    for (int i = 0; i < 256; ++i) junk.append(static_cast<char>(i));
    Write(binary, junk);
    QVERIFY(LoadTextFile(binary, &reason));

    QVERIFY(!LoadTextFile(dir.filePath(QStringLiteral("missing.txt")), &reason));
    QVERIFY(!reason.isEmpty());
    QVERIFY(!LoadTextFile(dir.path(), &reason));
    if (::geteuid() != 0) {
      const QString locked = dir.filePath(QStringLiteral("locked.txt"));
      Write(locked, "x");
      QFile::setPermissions(locked, QFileDevice::Permissions());
      QVERIFY(!LoadTextFile(locked, &reason));
    }
  }

  void printsToANonEmptyPdf() {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
    SetPrintToPdf(pdf);
    auto printer = DirectPrinter();
    QStringList lines;
    for (int i = 0; i < 150; ++i) lines << QStringLiteral("第%1行 八字：庚子   戊寅").arg(i);
    PrintLines(*printer, lines, QFont(QStringLiteral("Noto Sans Mono CJK SC"), 9));
    printer.reset();
    ClearPrintToPdf();
    const QByteArray bytes = Bytes(pdf);
    QVERIFY(bytes.startsWith("%PDF-"));
    QVERIFY(bytes.size() > 1000);
    // 150 lines flow over more than one page: the page tree and at least two pages.
    QVERIFY(bytes.count("/Type /Page") >= 3);
  }
};

}  // namespace vessa

int RunTextFilesTests(int argc, char** argv) {
  vessa::TextFilesTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "text_files_test.moc"

static const bool kTextFilesRegistered = vessa::test::RegisterSuite("TextFiles", RunTextFilesTests);
