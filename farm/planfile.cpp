#include "planfile.h"

#include "farmtexts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QSaveFile>

#include <cmath>
#include <limits>
#include <vector>

namespace {

const std::vector<const char *> vendorNames{"intel", "amd", "both"};
const std::vector<const char *> kindNames{"rdp", "vdi"};
const std::vector<const char *> levelNames{"light", "medium", "heavy"};

// The values of a plan file's objects, read into a plan; the first value that is not of its kind is kept as
// the problem, and every value after it is left as it was.
class ValueReader
{
public:
    explicit ValueReader(Language language)
        : m_language(language)
    { }

    const std::optional<SitePlanLimits::Problem> &problem() const { return m_problem; }

    void fail(int group, const QString &key, const Bilingual &why, const QString &argument = {})
    {
        if (!m_problem) {
            const QString text = why.in(m_language);
            m_problem = SitePlanLimits::Problem{group, key, argument.isNull() ? text : text.arg(argument)};
        }
    }

    // A value's place: a key of the object, and the group (counting from 1) where the object is a group's.
    struct At {
        const QJsonObject &object;
        const char *key;
        int group;
        const char *within = nullptr; // the key of the object that holds it, where that is not the plan or a group
        QString name() const
        {
            return within ? QString::fromLatin1(within) + u'.' + QLatin1String(key) : QString::fromLatin1(key);
        }
        QJsonValue value() const { return object.value(QLatin1String(key)); }
    };

    void text(const At &at, QString &into)
    {
        const QJsonValue value = at.value();
        if (value.isUndefined())
            return;
        if (!value.isString())
            return fail(at.group, at.name(), FarmTexts::notText);
        into = value.toString();
    }

    template <class Whole> void whole(const At &at, Whole &into, bool required = false)
    {
        const QJsonValue value = at.value();
        if (value.isUndefined()) {
            if (required)
                fail(at.group, at.name(), FarmTexts::missing);
            return;
        }
        if (!value.isDouble())
            return fail(at.group, at.name(), value.isString() ? FarmTexts::quotedNumber : FarmTexts::notNumber);
        const double number = value.toDouble();
        if (number != std::trunc(number))
            return fail(at.group, at.name(), FarmTexts::notWhole,
                        QString::number(number, 'g', QLocale::FloatingPointShortest));
        // Beyond the type's range a value is held at its edge, which every limit refuses.
        constexpr double edge = double(std::numeric_limits<Whole>::max() / 2);
        into = Whole(std::clamp(number, -edge, edge));
    }

    template <class Choice> void choice(const At &at, const std::vector<const char *> &names, Choice &into)
    {
        const QJsonValue value = at.value();
        if (value.isUndefined())
            return;
        for (size_t i = 0; i < names.size(); ++i) {
            if (value == QJsonValue(QLatin1String(names[i]))) {
                into = Choice(i);
                return;
            }
        }
        QStringList quoted;
        for (const char *name : names)
            quoted << u'"' + QLatin1String(name) + u'"';
        const QString last = quoted.takeLast();
        fail(at.group, at.name(), FarmTexts::oneOf,
             quoted.join(QStringLiteral(", ")) + FarmTexts::orWord.in(m_language) + last);
    }

    // An object inside the plan; an empty one where it is left out.
    QJsonObject object(const At &at)
    {
        const QJsonValue value = at.value();
        if (!value.isUndefined() && !value.isObject())
            fail(at.group, at.name(), FarmTexts::notObject);
        return value.toObject();
    }

    void textOrNull(const At &at, std::optional<QString> &into)
    {
        const QJsonValue value = at.value();
        if (value.isUndefined() || value.isNull())
            return;
        if (!value.isString())
            return fail(at.group, at.name(), FarmTexts::notTextOrNull);
        into = value.toString();
    }

private:
    Language m_language;
    std::optional<SitePlanLimits::Problem> m_problem;
};

QJsonValue textOrNull(const std::optional<QString> &text)
{
    return text ? QJsonValue(*text) : QJsonValue(QJsonValue::Null);
}

} // namespace

QByteArray PlanFile::serialised(const SitePlan &plan)
{
    QJsonArray groups;
    for (const SitePlan::Group &group : plan.groups) {
        groups << QJsonObject{{QStringLiteral("name"), group.name},
                              {QStringLiteral("kind"), QLatin1String(kindNames[size_t(group.kind)])},
                              {QStringLiteral("level"), QLatin1String(levelNames[size_t(group.level)])},
                              {QStringLiteral("terminals"), group.terminals},
                              {QStringLiteral("concurrency"), group.concurrency}};
    }
    const QJsonObject object{
        {QStringLiteral("quarvelPlan"), format},
        {QStringLiteral("name"), plan.name},
        {QStringLiteral("notes"), plan.notes},
        {QStringLiteral("vendor"), QLatin1String(vendorNames[size_t(plan.vendor)])},
        {QStringLiteral("spares"), plan.spares},
        {QStringLiteral("growth"),
         QJsonObject{{QStringLiteral("percentPerYear"), plan.growthPercent},
                     {QStringLiteral("years"), plan.growthYears}}},
        {QStringLiteral("cpuCeiling"), plan.cpuCeiling},
        {QStringLiteral("groups"), groups},
        {QStringLiteral("chosen"),
         QJsonObject{{QStringLiteral("rdp"), textOrNull(plan.chosen[int(SitePlan::Kind::Rdp)])},
                     {QStringLiteral("vdi"), textOrNull(plan.chosen[int(SitePlan::Kind::Vdi)])}}},
    };
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

std::variant<SitePlan, QString> PlanFile::parsed(const QByteArray &bytes, const QString &shown, Language language)
{
    if (bytes.size() > largest)
        return FarmTexts::tooLarge.in(language).arg(shown);
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        return FarmTexts::notJson.in(language).arg(shown, QString::number(error.offset), error.errorString());
    const QJsonObject top = document.object();
    const QJsonValue version = top.value(QStringLiteral("quarvelPlan"));
    if (!document.isObject() || !version.isDouble() || version.toDouble() != std::trunc(version.toDouble())
        || version.toDouble() < 1)
        return FarmTexts::notPlan.in(language).arg(shown);
    if (version.toDouble() > format) {
        return FarmTexts::newer.in(language).arg(
            shown, QString::number(version.toDouble(), 'g', QLocale::FloatingPointShortest), QString::number(format));
    }

    SitePlan plan;
    ValueReader reader(language);
    using At = ValueReader::At;
    reader.text(At{top, "name", 0}, plan.name);
    reader.text(At{top, "notes", 0}, plan.notes);
    reader.choice(At{top, "vendor", 0}, vendorNames, plan.vendor);
    reader.whole(At{top, "spares", 0}, plan.spares);
    const QJsonObject growth = reader.object(At{top, "growth", 0});
    reader.whole(At{growth, "percentPerYear", 0, "growth"}, plan.growthPercent);
    reader.whole(At{growth, "years", 0, "growth"}, plan.growthYears);
    reader.whole(At{top, "cpuCeiling", 0}, plan.cpuCeiling);
    const QJsonValue groups = top.value(QStringLiteral("groups"));
    if (!groups.isUndefined() && !groups.isArray())
        reader.fail(0, QStringLiteral("groups"), FarmTexts::notList);
    const QJsonArray list = groups.toArray();
    for (qsizetype i = 0; i < list.size() && !reader.problem(); ++i) {
        const int number = int(i) + 1;
        if (!list[i].isObject()) {
            reader.fail(number, QString(), FarmTexts::notObject);
            break;
        }
        const QJsonObject object = list[i].toObject();
        SitePlan::Group group;
        reader.text(At{object, "name", number}, group.name);
        reader.choice(At{object, "kind", number}, kindNames, group.kind);
        reader.choice(At{object, "level", number}, levelNames, group.level);
        reader.whole(At{object, "terminals", number}, group.terminals, true);
        reader.whole(At{object, "concurrency", number}, group.concurrency);
        plan.groups << group;
    }
    const QJsonObject chosen = reader.object(At{top, "chosen", 0});
    reader.textOrNull(At{chosen, "rdp", 0, "chosen"}, plan.chosen[int(SitePlan::Kind::Rdp)]);
    reader.textOrNull(At{chosen, "vdi", 0, "chosen"}, plan.chosen[int(SitePlan::Kind::Vdi)]);

    auto problem = reader.problem();
    if (!problem)
        problem = SitePlanLimits::firstProblem(plan, language);
    if (problem)
        return FarmTexts::wrongValue.in(language).arg(shown, problem->describe(language));
    return plan;
}

std::variant<SitePlan, QString> PlanFile::read(const QString &path, Language language)
{
    const QString shown = QDir::toNativeSeparators(path);
    QFile file(path);
    // Only an ordinary file: a pipe or a device could hold the reading up for ever.
    if (!QFileInfo(path).isFile() && QFileInfo::exists(path))
        return FarmTexts::notPlan.in(language).arg(shown);
    if (!file.open(QIODevice::ReadOnly))
        return FarmTexts::cannotOpen.in(language).arg(shown, file.errorString());
    const QByteArray bytes = file.read(largest + 1);
    if (file.error() != QFileDevice::NoError)
        return FarmTexts::cannotOpen.in(language).arg(shown, file.errorString());
    return parsed(bytes, shown, language);
}

std::optional<QString> PlanFile::write(const SitePlan &plan, const QString &path, Language language)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(serialised(plan)) >= 0 && file.commit())
        return std::nullopt;
    return FarmTexts::cannotWrite.in(language).arg(QDir::toNativeSeparators(path), file.errorString());
}
