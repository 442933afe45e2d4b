// Adds a certificate authority (DER file named by the argument) to the trusted roots of the Wine
// prefix it runs in, so that WinInet accepts the servers it signed. Run by scripts/lib.sh
// (ostrel_trust_test_ca) in the project's own prefix only, never against a real Windows.
#include <windows.h>
#include <wincrypt.h>

#include <stdio.h>
#include <stdlib.h>

int main(int argc, char** argv) {
  if (argc != 2) {
    fprintf(stderr, "usage: trust_root CA.der\n");
    return 2;
  }
  FILE* file = fopen(argv[1], "rb");
  if (file == NULL) {
    fprintf(stderr, "trust_root: cannot read %s\n", argv[1]);
    return 1;
  }
  static BYTE der[65536];
  const size_t size = fread(der, 1, sizeof(der), file);
  fclose(file);
  HCERTSTORE store = CertOpenStore(CERT_STORE_PROV_SYSTEM_W, 0, 0,
                                   CERT_SYSTEM_STORE_LOCAL_MACHINE, L"Root");
  const BOOL added = store != NULL &&
                     CertAddEncodedCertificateToStore(store, X509_ASN_ENCODING, der, (DWORD)size,
                                                      CERT_STORE_ADD_REPLACE_EXISTING, NULL);
  if (store != NULL) CertCloseStore(store, 0);
  if (!added) {
    fprintf(stderr, "trust_root: cannot add %s (error %lu)\n", argv[1], GetLastError());
    return 1;
  }
  return 0;
}
