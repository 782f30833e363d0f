#include "cataloguegenerator.h"

#include <algorithm>

#include <QList>

#include <random>

QByteArray CatalogueGenerator::generate(int lines, const QByteArray &shipped)
{
    QList<QByteArray> models;
    QList<double> scores;
    for (const QByteArray &line : shipped.split('\n')) {
        const qsizetype comma = line.indexOf(',');
        if (comma > 0) {
            models << line.left(comma);
            scores << line.mid(comma + 1).trimmed().toDouble();
        }
    }
    std::mt19937 random(20240226);
    std::uniform_real_distribution<double> jitter(0.9, 1.1);
    QByteArray catalogue;
    catalogue.reserve(qsizetype(lines) * 32);
    for (int i = 0; i < lines; ++i) {
        const int pick = int(random() % models.size());
        QByteArray model = models[pick];
        // Another model number of the same length: the first run of three or more digits.
        for (qsizetype at = 0, run = 0; at < model.size(); ++at) {
            run = (model[at] >= '0' && model[at] <= '9') ? run + 1 : 0;
            if (run == 3) {
                for (qsizetype digit = at - 2; digit < model.size() && model[digit] >= '0' && model[digit] <= '9';
                     ++digit)
                    model[digit] = char('0' + random() % 10);
                break;
            }
        }
        catalogue += model + ',' + QByteArray::number(qint64(scores[pick] * jitter(random))) + "\r\n";
    }
    return catalogue;
}

QByteArray CatalogueGenerator::details(const QByteArray &catalogue, bool reversed)
{
    QList<QByteArray> lines;
    for (const QByteArray &line : catalogue.split('\n')) {
        const qsizetype comma = line.indexOf(',');
        if (comma > 0)
            lines << line.first(comma).trimmed() + "\t2\t24\t48\t205\n";
    }
    if (reversed)
        std::reverse(lines.begin(), lines.end());
    return "model_text\tsockets\tcores_per_socket\tthreads_per_socket\ttdp_watts_per_socket\n" + lines.join();
}
