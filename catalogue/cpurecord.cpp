#include "cpurecord.h"

#include "cataloguereader.h"
#include "processordetails.h"

QStringView CpuRecord::model() const
{
    return m_reader->model();
}

QString CpuRecord::trimmedModel() const
{
    return m_reader->trimmedModel();
}

void CpuRecord::appendTrimmedModel(QString &text) const
{
    m_reader->appendTrimmedModel(text);
}

bool CpuRecord::modelIsEmpty() const
{
    return m_reader->m_modelLength == 0;
}

bool CpuRecord::modelContains(const SoughtText &sought) const
{
    return m_reader->modelContains(sought);
}

std::optional<QByteArrayView> CpuRecord::trimmedAsciiModel() const
{
    return m_reader->trimmedAsciiModel();
}

ProcessorFacts CpuRecord::facts() const
{
    return m_details ? m_details->facts(*this) : ProcessorFacts{};
}
