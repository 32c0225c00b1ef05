#pragma once

#include "platform/db/data_source.h"

// The data source that forms pair with the library's query; it adds nothing of its own.
class TdqDataSource : public TDataSource
{
public:
    using TDataSource::TDataSource;
};
