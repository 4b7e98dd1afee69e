#include "slidebytes.h"

namespace lanternreel {

SlideBytes::SlideBytes(QByteArray bytes)
    : m_memory(std::move(bytes))
{ }

SlideBytes::SlideBytes(std::shared_ptr<SpillFile> file, SpillFile::Extent extent)
    : m_file(std::move(file))
    , m_extent(extent)
{ }

SlideBytes::~SlideBytes()
{
    if (m_file)
        m_file->release(m_extent);
}

std::shared_ptr<const SlideBytes> SlideBytes::spill(const QByteArray &bytes, QString *why)
{
    std::shared_ptr<SpillFile> file = SpillFile::instance(why);
    if (!file)
        return nullptr;
    const auto extent = file->put(bytes, why);
    if (!extent)
        return nullptr;
    return std::shared_ptr<const SlideBytes>(new SlideBytes(std::move(file), *extent));
}

QByteArray SlideBytes::read() const
{
    return m_file ? m_file->get(m_extent) : m_memory;
}

qint64 SlideBytes::size() const
{
    return m_file ? m_extent.length : m_memory.size();
}

} // namespace lanternreel
