// Stands in for the ciphers mdb-reader needs only for password-protected Access files, which
// the program never made: reading one fails, and the file is refused as unreadable.
const refuse = () => {
  throw new Error('password-protected Access files are not read');
};

export default { createDecipheriv: refuse };
export const createDecipheriv = refuse;
export { refuse as createHash };
