#pragma once
// The one handler of the material database: it opens and closes the standard and the user file,
// lists the entries of each level in priority order and looks material objects up.

#include "tavo/material/TavoObj.h"
#include "tavo/outside/QODOM.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class CTavoHandler {
 public:
  // Writes three lines to the start-up log at `logPath` around opening both files; "" writes none.
  explicit CTavoHandler(const std::string& logPath);
  CTavoHandler();
  // Takes over two files already open (the user file may be 0), which it closes when it goes;
  // writes no log.
  CTavoHandler(QODOM_ELEMENT standardFile, QODOM_ELEMENT userFile);
  ~CTavoHandler();
  CTavoHandler(const CTavoHandler&) = delete;
  CTavoHandler& operator=(const CTavoHandler&) = delete;

  // Remembered for the next opening of the user file: selector 1 instead of 0.
  void SetTrestle64(bool trestle64);
  void EnsureStandardOpen(bool open);
  // With trestle64 every request to open reopens the user file.
  void EnsureUserOpen(bool open);

  // The list of the level below the names (none: the Kategorien; kat: its Unterkategorien; kat,
  // ukat: the Normen; kat, ukat, norm: the Objekte), in priority order. At most three names.
  std::vector<std::string> ListLevel(const std::vector<std::string>& names) const;
  int ListKategorien(std::vector<std::string>& list) const { return Assign(list, ListLevel({})); }
  int ListUnterkategorien(const std::string& kat, std::vector<std::string>& list) const
  {
    return Assign(list, ListLevel({kat}));
  }
  int ListNormen(const std::string& kat, const std::string& ukat, std::vector<std::string>& list) const
  {
    return Assign(list, ListLevel({kat, ukat}));
  }
  int ListObjekte(const std::string& kat, const std::string& ukat, const std::string& norm,
                  std::vector<std::string>& list) const
  {
    return Assign(list, ListLevel({kat, ukat, norm}));
  }

  // Saves the document that holds the element; false (with QODOM_LastSaveError) on failure, also
  // when someone else changed the file since it was read (QODOM_LastSaveFoundChange).
  bool SaveFile(QODOM_ELEMENT file) const;
  enum class SaveOutcome { kSaved, kChangedOnDisk, kFailed };
  // Saves like SaveFile unless someone changed the file on disk since it was read; then
  // `overwrite`, when given, decides with the file's path. When the file was not saved, `error`
  // names its path and the reason.
  SaveOutcome SaveUnlessChangedOnDisk(QODOM_ELEMENT file, const std::function<bool(const std::string& path)>& overwrite,
                                      std::string& error) const;

  // "DIN 1045-I" (capital I) is looked up as "DIN 1045-1".
  static std::string NormalizeNormName(const std::string& norm);

  QODOM_ELEMENT StandardFile() const { return m_files[0]; }
  QODOM_ELEMENT UserFile() const { return m_files[1]; }
  // Why a file failed to open at its last attempt; "" when it opened.
  const std::string& StandardOpenError() const { return m_openErrors[0]; }
  const std::string& UserOpenError() const { return m_openErrors[1]; }

  // The key of the cached object: the four names joined by backslashes; "" = nothing cached.
  const std::string& ObjectKey() const { return m_objectKey; }

  // Fills `out` with the object of the four names, searched in the standard file first, built
  // and recalculated (which may write changed values into its document). A lookup with the names
  // of the last one returns the cached object without reading the file. `objekt` goes through
  // MapSteelName first, so the caller sees the current name afterwards. An object that is not
  // found is the empty object, and is cached as well.
  void GetObj(CTavoObj& out, const std::string& kat, const std::string& ukat, const std::string& norm,
              std::string& objekt);
  // The element GetObj reads for the four names (`objekt` already mapped), without building,
  // recalculating or caching anything; 0 when there is none. `inUser` as CTavoObj::inUserFile.
  QODOM_ELEMENT FindObjectElement(const std::string& kat, const std::string& ukat, const std::string& norm,
                                  const std::string& objekt, bool& inUser) const;
  // Where FindObjectElement finds each of the objects named in the code of the three names (none,
  // the standard or the user file), with one walk down the levels for all of them.
  enum class ObjectFile : std::uint8_t { kNone, kStandard, kUser };
  std::vector<ObjectFile> LocateObjects(const std::string& kat, const std::string& ukat, const std::string& norm,
                                        const std::vector<std::string>& objects) const;
  // The next GetObj reads the files again (after an object element was deleted).
  void ForgetCurrentObject();
  // Old reinforcing-steel names of Stahl/Betonstahl/EC2 (or EC2 NA (DE)) are replaced in place
  // by the current ones ("BSt 500 SA" -> "B500A"); any other combination stays.
  static void MapSteelName(const std::string& kat, const std::string& ukat, const std::string& norm,
                           std::string& objekt);

  // The open files in search order, standard first; the walk ends at the first closed file.
  std::vector<QODOM_ELEMENT> SearchedFiles() const;
  // The elements that every search walks for the given names ("" stops the descent there):
  // every child of the root named `kat`, every child of those named `ukat`, and so on.
  std::vector<QODOM_ELEMENT> FindLevelElements(QODOM_ELEMENT root, const std::vector<std::string>& names) const;

 private:
  static int Assign(std::vector<std::string>& list, std::vector<std::string> entries)
  {
    list = std::move(entries);
    return static_cast<int>(list.size());
  }
  void EnsureOpen(int index, bool open);
  void OpenFile(int index);
  void CloseFile(int index);

  std::string m_objectKey;
  // The object found last; valid while m_objectKey is not empty.
  CTavoObj m_currentObj;
  // Standard file, user file, and the null handle that ends every search.
  QODOM_ELEMENT m_files[3] = {0, 0, 0};
  std::string m_openErrors[2];
  bool m_trestle64 = false;
};
