#include "batch/BatchTool.h"

#include "batch/CardBatch.h"
#include "catalogue/MessageCatalogue.h"

#include <QTextStream>

namespace {

constexpr const char *kUsage = "usage: vokira-batch messages [--lang fr|en|de]\n"
                               "       vokira-batch check FILE.vk1\n"
                               "       vokira-batch info FILE.vk1\n"
                               "       vokira-batch convert IN.vk1 OUT.vk1 [--force]\n"
                               "       vokira-batch png IN.vk1 OUT.png\n";

int usage(QTextStream &err)
{
    err << kUsage;
    err.flush();
    return 2;
}

// The catalogue for translators to review: one row a line, ascending.
int messages(const QStringList &options, QTextStream &out, QTextStream &err)
{
    int only = -1;
    for (qsizetype i = 0; i < options.size(); ++i) {
        if (options[i] == QLatin1String("--lang") && i + 1 < options.size()) {
            only = languageIndex(options[++i]);
            if (only < 0)
                return usage(err);
        } else {
            return usage(err);
        }
    }
    for (const CatalogueRow &row : catalogueRows()) {
        const char *texts[] = {row.fr, row.en, row.de};
        out << row.number;
        for (int lang = 0; lang < 3; ++lang)
            if (only < 0 || only == lang)
                out << '\t' << QString::fromUtf8(texts[lang]);
        out << '\n';
    }
    out.flush();
    return 0;
}

} // namespace

int runBatch(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    if (arguments.isEmpty())
        return usage(err);
    const QString command = arguments.constFirst();
    if (command == QLatin1String("messages"))
        return messages(arguments.mid(1), out, err);
    for (const char *card : {"check", "info", "convert", "png"})
        if (command == QLatin1String(card))
            return cardCommand(command, arguments.mid(1), out, err);
    return usage(err);
}
