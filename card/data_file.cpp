#include "card/data_file.h"

#include "card/file_io.h"
#include "card/record_reader.h"
#include "card/zip_card.h"

namespace kestravo {

void emptyCard(Card& card) {
  card.matrix.reset(0);
  card.raceCount = 0;
  card.raceStarters.assign(1, 0);
  card.scratchTable.reset(0);
  card.scratchFileName.clear();
  card.scratchFileRead = true;
}

namespace {

LoadProblems readInto(Card& card) {
  LoadProblems problems;
  RecordTable buffers = card.matrix.releaseBuffers();
  emptyCard(card);
  if (card.dataFilePath.empty()) return problems;
  // Loading a scratch file as a card would make it its own scratch file: the first flip
  // would overwrite the card with the scratch lines.
  if (isScratchFileName(card.dataFilePath) ||
      sameFile(card.dataFilePath, scratchFileName(card.dataFilePath))) {
    problems.messages.push_back(
        "THE DATA FILE WOULD BE ITS OWN SCRATCH FILE (.TCH) AND WAS NOT LOADED: " +
        card.dataFilePath);
    return problems;
  }

  std::string& data = buffers.text;
  if (!readCardText(card, data, problems)) return problems;
  // A file past the record limit is told by its record ends alone, before any of it is
  // decoded: the refusal costs one pass over the bytes and no memory beyond them.
  RecordTable records = readRecordsUnlessMore(std::move(data), kFieldCount, kMaxDataFileRecords,
                                              std::move(buffers.spans), CardMatrix::kRowCells);
  if (records.truncated) {
    problems.messages.push_back("THE DATA FILE HAS MORE THAN 10,000 RECORDS AND WAS NOT LOADED: " +
                                card.dataFilePath);
    return problems;
  }
  problems.dataFileRead = true;
  card.matrix.load(std::move(records));
  card.raceCount = highestRace(card.matrix);
  applyScratchFile(card, problems);
  return problems;
}

bool readZippedCard(Card& card, std::string& out, LoadProblems& problems) {
  ZipCard zipped = readCardFromZip(card.dataFilePath, card.archiveMember, kMaxDataFileBytes);
  if (zipped.status == ZipCard::Status::kSeveralCards ||
      zipped.status == ZipCard::Status::kNoSuchCard) {
    problems.cardChoices = zipped.cardNames;
  }
  if (zipped.status != ZipCard::Status::kOk) {
    problems.messages.push_back(zipCardMessage(zipped, card.dataFilePath));
    return false;
  }
  card.archiveMember = zipped.memberName;
  // A scratch file that is the archive itself, under another name, would overwrite it.
  if (sameFile(card.dataFilePath, cardScratchFileName(card))) {
    problems.messages.push_back(
        "THE DATA FILE WOULD BE ITS OWN SCRATCH FILE (.TCH) AND WAS NOT LOADED: " +
        card.dataFilePath);
    return false;
  }
  out = std::move(zipped.text);
  return true;
}

std::string folderOf(const std::string& path) {
  const std::size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace

bool readCardText(Card& card, std::string& out, LoadProblems& problems) {
  if (isZipPath(card.dataFilePath)) return readZippedCard(card, out, problems);
  card.archiveMember.clear();
  switch (readWholeFile(card.dataFilePath, kMaxDataFileBytes, out)) {
    case ReadStatus::kCannotOpen:
      problems.messages.push_back("CANNOT OPEN THE DATA FILE " + card.dataFilePath);
      return false;
    case ReadStatus::kTooLarge:
      problems.messages.push_back("THE DATA FILE IS LARGER THAN 64 MB AND WAS NOT LOADED: " +
                                  card.dataFilePath);
      return false;
    case ReadStatus::kOk:
      break;
  }
  return true;
}

std::string cardScratchFileName(const Card& card) {
  if (!isZipPath(card.dataFilePath) || card.archiveMember.empty()) {
    return scratchFileName(card.dataFilePath);
  }
  const std::size_t slash = card.archiveMember.find_last_of("/\\");
  const std::string cardName =
      slash == std::string::npos ? card.archiveMember : card.archiveMember.substr(slash + 1);
  return scratchFileName(folderOf(card.dataFilePath) + cardName);
}

LoadProblems readDataFile(Card& card) {
  LoadProblems problems = readInto(card);
  // The conditions lines are built when a card is opened and kept through the loads that
  // follow a change of scratches; they only keep pace with the number of races.
  card.raceLine.resize(static_cast<std::size_t>(card.raceCount + 1));
  return problems;
}

void applyScratchFile(Card& card, LoadProblems& problems) {
  card.scratchFileName = cardScratchFileName(card);
  const int entries = card.entryCount();
  std::string text;
  card.scratchFileRead = true;
  if (!fileExists(card.scratchFileName)) {
    card.scratchTable = newScratchTable(card.matrix);
    std::string error;
    // Unwritable folder: the user is told, and the card still computes with the fresh
    // table so no pick or figure is lost for this session.
    if (!createScratchFile(card.scratchTable, card.scratchFileName, &error)) {
      problems.messages.push_back(error);
    }
  } else if (readWholeFile(card.scratchFileName, kMaxDataFileBytes, text) == ReadStatus::kOk) {
    card.scratchTable = readScratchTable(std::move(text), entries);
  } else {
    // The file may hold marks that only cannot be read now; it is never rewritten.
    problems.messages.push_back("CANNOT READ THE SCRATCH FILE " + card.scratchFileName);
    problems.scratchFileRead = false;
    card.scratchFileRead = false;
    card.scratchTable = unreadableScratchTable(card.matrix);
  }
  applyScratchTable(card.scratchTable, card.matrix);
}

}  // namespace kestravo
