#pragma once

// The kinds of field a table can hold. Storage in SQLite: integers and booleans as INTEGER,
// floats as REAL, texts and memos as TEXT, dates as ISO text YYYY-MM-DD, times as HH:MM:SS,
// date-times as "YYYY-MM-DD HH:MM:SS", pictures and blobs as BLOB.
enum class TFieldType
{
    ftUnknown,
    ftAutoInc,
    ftInteger,
    ftSmallint,
    ftWord,
    ftString,
    ftDate,
    ftTime,
    ftDateTime,
    ftFloat,
    ftCurrency,
    ftBoolean,
    ftBlob,
    ftGraphic,
    ftMemo,
};
